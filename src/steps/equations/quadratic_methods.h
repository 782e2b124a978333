#pragma once

#include <string>

#include "core/numbers.h"
#include "exact/exact.h"
#include "steps/working.h"

// Parts of the quadratic's working that stand beside the formula: the factoring
// of a discriminant that is a perfect square, the complex pair, and the check by
// the relations of roots and coefficients.

namespace vorlinde::steps::quadratic {

// The names of the two roots, x₁ and x₂ (k = 1 or 2), made on first use rather
// than at every start-up.
const std::string& rootName(int k);

using exact::Rational;
using exact::Surd;

// ax² + bx + c = 0 with a ≠ 0.
struct Equation {
  Rational a, b, c;
  NumberFormat format;
  Rational discriminant() const { return b * b - 4 * a * c; }
};

// ax² + bx + c written out: "x² - 3x + 1".
std::string polynomial(const Rational& a, const Rational& b, const Rational& c,
                       const NumberFormat& format);

// centre ± size over one denominator: "(3 ± √5)/2", "1 ± √2", "±√3/3"; with
// imaginary, the root times i: "(3 ± √7 i)/4", "-1 ± 2i". size ≥ 0 is a fraction
// or a pure root b√d.
std::string plusMinus(const Rational& centre, const Surd& size, bool imaginary,
                      const NumberFormat& format);

// Method two, for rational roots x₁ and x₂ (the window's order): the equation as
// a product of factors, by the cross method where the coefficients are whole.
void factoring(Working& w, const Equation& e, const Rational& x1, const Rational& x2);
// For Δ < 0: the two complex roots, for those who have met them.
void complexNote(Working& w, const Equation& e);
// x₁ + x₂ = -b/a and x₁x₂ = c/a, each side computed.
void relationsNote(Working& w, const Equation& e, const Surd& x1, const Surd& x2);

}  // namespace vorlinde::steps::quadratic
