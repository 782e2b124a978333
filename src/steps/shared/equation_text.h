#pragma once

#include <string>
#include <vector>

#include "core/numbers.h"
#include "exact/exact.h"

// How the equation workings write numbers, terms and equations inside a line, in
// the notation of exact/notation.h.

namespace vorlinde::steps::eq {

using exact::Rational;

// A number as it stands in a line: "3", "-1/2" (stacked), in words past 1,000 digits.
std::string number(const Rational& value, const NumberFormat& format);
// A number as a factor of a product: in parentheses when negative ("(-3)"), and
// also when a fraction or m × 10ⁿ stands before a power ("(3/2)²", "(10³⁰⁰)²").
std::string factor(const Rational& value, const NumberFormat& format, bool beforePower = false);

// A coefficient times an unknown; an empty unknown makes the term a constant.
struct Term {
  Rational coefficient;
  std::string unknown;
};
// The terms joined by their signs, the zero ones left out: "2x - 3y", "-x² + 1/2",
// "0" when every coefficient is 0.
std::string sum(const std::vector<Term>& terms, const NumberFormat& format);
// The same for a figure: where a coefficient is too long to label it, every
// coefficient as its 15-digit number text; approximate is set where one is rounded.
std::string sumBrief(const std::vector<Term>& terms, const NumberFormat& format, bool& approximate);
// coefficient × value for a substitution: "2×3", "(-1)", "-(-1)", "1/2×(-3)".
std::string timesValue(const Rational& coefficient, const std::string& value,
                       const NumberFormat& format);

// The unknown xᵢ counted from 1: "x₁".
std::string unknown(int i);
// The row name Rᵢ counted from 1: "R₁".
std::string rowName(int i);
// The equation numbers ① to ⑳, then "(21)".
std::string circled(int k);

// A coordinate for a figure's label: the exact form while it is short, else the
// 15-digit number text, after "≈" where it is rounded.
std::string brief(const Rational& value, const NumberFormat& format);
// "x = 3/2", or "x ≈ -5E-301" where the exact form is long.
std::string briefNamed(const std::string& name, const Rational& value, const NumberFormat& format);

}  // namespace vorlinde::steps::eq
