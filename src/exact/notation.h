#pragma once

#include <string>
#include <string_view>
#include <vector>

// The notation of the working: a line of text in which fractions, square roots,
// exponents and indices are marked, so that one line gives both the plain text
// (what is copied, what a screen reader reads: "(3+√5)/2", "2³×3²×5") and the
// typeset form (a stacked fraction, a radical sign over its radicand, a raised
// exponent). Marks are characters of Unicode's private use area; text the pupil
// typed goes through literal() so it can never hold one.

namespace vorlinde::notation {

// numerator over denominator: plain "a/b", with parentheses where a side is more
// than one term ("(3+√5)/2"). A fraction inside a fraction is written on the line.
std::string frac(std::string_view numerator, std::string_view denominator);
// √x: plain "√5", or "√(36×2)" where the radicand is more than one term.
std::string root(std::string_view radicand);
// An exponent: superscript characters where every character has one ("2³", "qⁿ⁻¹"),
// else raised text written "^(...)" in the plain text.
std::string sup(std::string_view exponent);
// An index: subscript characters where every character has one ("x₁", "aₙ"), else
// lowered text written "_(...)" in the plain text.
std::string sub(std::string_view index);
// A variable, which the typeset form sets in italic as textbooks do: "x", "α",
// var("a" + sub("n")). Its plain text is its text; function names (sin, ln), units
// and π are never marked, so they stay upright.
std::string var(std::string_view name);
// A formula the steps write, its variables marked: each run of Latin letters or
// lowercase Greek letters other than π ("ac", "α", "aₙ") is a variable, but for
// the function names sin, cos, tan, cot, sec, csc, ln and lg. For text the steps
// write themselves, never for numbers ("1E+300") or typed text.
std::string formula(std::string_view markup);
// Typed text made safe to stand in a line: the marks' characters are dropped.
std::string literal(std::string_view text);

// Where a run of the plain text stands in the typeset form.
enum class Place { Line, Numerator, Denominator };

// A piece of a line's plain text with what the typeset form does with it.
struct Run {
  std::string text;
  Place place = Place::Line;
  int fraction = -1;         // the stacked fraction it belongs to, counted from 0 in the line
  bool hidden = false;       // plain text only: the "/" of a stacked fraction, parentheses a
                             // fraction or a radical's bar makes unnecessary, "^" and "_"
  bool radicalSign = false;  // the "√"
  int underBars = 0;         // how many radical bars stand over it
  int shift = 0;             // +1 raised, -1 lowered, for an exponent or index without
                             // characters of its own; 0 on the line
  bool variable = false;     // part of a variable's name
  bool operator==(const Run&) const = default;
};

// The runs of a marked line, in order; their texts joined are plain(markup).
std::vector<Run> runs(std::string_view markup);
// The plain text of a marked line.
std::string plain(std::string_view markup);

}  // namespace vorlinde::notation
