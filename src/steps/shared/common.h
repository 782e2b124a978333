#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "exact/exact.h"
#include "steps/working.h"

// What every window's working shares: its heading, the values the window read,
// the lines in between, and how a run-time error is told.

namespace vorlinde::steps {

// A working begun with its heading line: "解方程 · 一元二次方程".
Working begin(std::string window, std::string panel);
void line(Working& w, LineKind kind, std::string text);
void row(Working& w, std::vector<std::string> cells);
// The answer line, always last.
void answer(Working& w, const std::vector<std::string>& items);

// The number a box held as the numeric test takes it, exactly as typed: "0.1" is
// 1/10. Nothing when the click did not read the box or it holds no number. Boxes
// are told by their place in the panel's order.
std::optional<exact::Rational> typed(const Calculation& c, std::size_t box);
// The number a box held as lenient reading takes it ("12.5cm" is 25/2, an empty
// box 0); nothing beyond the doubles.
std::optional<exact::Rational> typedLeniently(const Calculation& c, std::size_t box);

// A given line for a value read exactly: "a = 3/2". Where the text typed is not
// how the working writes the number ("1.5", "１２", "1,000"), it is quoted after it.
std::string given(const Calculation& c, std::string_view name, std::size_t box);

// The characters of UTF-8 text, not its bytes.
std::size_t characterCount(std::string_view text);

// The value written in the working's notation, with its decimal where it is not whole.
std::string written(const exact::Rational& value, const NumberFormat& format);

// The line telling that the click ended in a run-time error: what went wrong, in
// words, and the window's own report.
void errorLine(Working& w, const Calculation& c, std::string_view what);

}  // namespace vorlinde::steps
