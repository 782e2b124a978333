#pragma once

#include <string_view>
#include <vector>

// Where a line of the working may be broken when it is wider than the page or
// the window, as a textbook breaks it: after "，" and "；", after a relation or
// an operator with its space ("x₁ = | 3"), between Chinese characters and beside
// them, and between the five-digit groups of a long number; never inside a word
// ("sin α"), a number or a fraction.

namespace vorlinde::working {

struct LineBreak {
  enum Level {
    Inner = 1,   // the same, inside parentheses, a radicand, an exponent or a fraction
    Term = 2,    // after a relation or an operator, beside Chinese text, between groups
    Clause = 3,  // after "，", "；" or "。"
  };
  int at = 0;  // the next line starts with the character at this UTF-16 offset of the plain text
  Level level = Term;
  bool operator==(const LineBreak&) const = default;
};

// The breaks of a line of marked text (exact/notation.h), in order.
std::vector<LineBreak> lineBreaks(std::string_view markup);

}  // namespace vorlinde::working
