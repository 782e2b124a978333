#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "core/limits.h"
#include "exact/exact.h"
#include "steps/working.h"

// What the workings of several windows share: boxes the window rounds to whole
// numbers, values set into formulas, notes on what the window did, and a working
// that never fails whatever the boxes held.

namespace vorlinde::steps {

// A box the window reads as a whole number, rounding a half to the even neighbour.
struct WholeBox {
  std::optional<exact::Rational> typed;  // nothing when the box holds no number
  std::optional<exact::Integer> whole;   // typed, rounded
  bool rounded() const { return typed && typed->get_den() != 1; }
};
WholeBox readWhole(const Calculation& c, std::size_t box);
// Lenient reading, as the factorization reads its box ("12cm" is 12).
WholeBox readWholeLeniently(const Calculation& c, std::size_t box);
exact::Integer roundHalfEven(const exact::Rational& x);

// "n = 10", "n = 5.5 取整为 6", "n 不是数".
std::string wholeGiven(const Calculation& c, std::string_view name, std::size_t box,
                       const WholeBox& read);
// The box's text without its blanks at either end, safe to stand in a line.
std::string typedText(const Calculation& c, std::size_t box);

bool within(const exact::Integer& n, long low, long high);
// Whether n is a 16-bit whole number, as the windows round most boxes to, and
// those numbers in words: "-32768 到 32767".
bool fitsInt16(const exact::Integer& n);
std::string int16Range();

// The value as the working writes it: "3", "-3", "1/2", or in words past 1,000 digits.
std::string number(const exact::Rational& value, const NumberFormat& format);
std::string number(const exact::Integer& value);
// A value standing as a factor or after a sign: a negative one in parentheses, "(-3)".
std::string factor(const exact::Rational& value, const NumberFormat& format);
// A value added to what stands before it: " + 3", " - 3".
std::string plus(const exact::Rational& value, const NumberFormat& format);
// A value raised to a power: a negative one, a fraction or m × 10ⁿ in parentheses,
// "(-2)³", "(2/3)²", "(10³⁰⁰)²".
std::string base(const exact::Rational& value, const NumberFormat& format);
// The parts joined by " = ", leaving out empty ones and one that repeats the part before.
std::string chain(const std::vector<std::string>& parts);
// What follows a value's exact form: " = 0.5", " ≈ 1.4142135623731", or nothing.
std::string decimalPart(const exact::Shown& value);
// An exponent from a whole number: sup("10").
std::string exponent(const exact::Integer& n);
// "a" with the index n: "a₁₀".
std::string indexed(std::string_view name, const exact::Integer& n);

// What the window could not do: the error note where the click ended in a
// run-time error, else a plain note.
void windowNote(Working& w, const Calculation& c, const std::string& what);

// The working a builder gives, or one that says the numbers were beyond it;
// nothing a box holds makes it throw.
using Builder = Working (*)(const Calculation&);
Working safely(const Calculation& c, std::string_view window, Builder build);

}  // namespace vorlinde::steps
