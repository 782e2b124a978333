#pragma once

#include "exact/exact.h"

// Bounds on the values of π, the logarithm, the exponential, the sine and the
// cosine: every operation widens the bounds by what it may have lost, so the true
// value always lies between them. The rounding to 15 digits of the transcendental
// values stands on them.

namespace vorlinde::exact::detail {

// lo ≤ x ≤ hi.
struct Interval {
  Rational lo, hi;
};

Interval operator+(const Interval& a, const Interval& b);
Interval operator-(const Interval& a, const Interval& b);
Interval operator*(const Interval& a, const Interval& b);
// b must not hold 0: std::domain_error.
Interval operator/(const Interval& a, const Interval& b);
Interval operator*(const Rational& k, const Interval& x);

// x rounded down or up to a fraction over a power of 2 within 2⁻ᵇⁱᵗˢ of |x|:
// shorter numbers to compute with, on the safe side of x.
Rational roundedDown(const Rational& x, long bits);
Rational roundedUp(const Rational& x, long bits);

// Each within about 2⁻ᵇⁱᵗˢ of the value, relative to it.
Interval pi(long bits);
Interval ln10(long bits);
// x > 0, else std::domain_error.
Interval ln(const Rational& x, long bits);
// For |x| below 2³⁰.
Interval exp(const Interval& x, long bits);
// For 0 ≤ x ≤ π/4.
Interval sin(const Interval& x, long bits);
Interval cos(const Interval& x, long bits);

}  // namespace vorlinde::exact::detail
