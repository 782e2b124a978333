#pragma once

#include <array>
#include <optional>

#include "exact/exact.h"

// Values without an exact form, rounded to 15 significant digits from bounds
// narrowed until both round alike: the number text of the value itself, not of a
// double near it.

namespace vorlinde::exact {

// ln x and lg x for x > 0; std::domain_error otherwise.
Decimal lnDecimal(const Rational& x, const NumberFormat& format);
Decimal lgDecimal(const Rational& x, const NumberFormat& format);

// mⁿ for m > 0, or for m < 0 and a whole n (std::domain_error otherwise); 0ⁿ is 0
// for n > 0, and a whole power whose decimal ends within 15 digits is exact
// (10¹⁰⁰⁰⁰⁰). Nothing where n lies beyond the doubles, 0 has no such power, or the
// decimal exponent of the result would pass 10¹⁸.
std::optional<Decimal> powerDecimal(const Rational& m, const Rational& n,
                                    const NumberFormat& format);

// sin, cos, tan, cot, sec and csc of an angle in degrees, reduced exactly to
// its quadrant first. A multiple of 90°, where some are 0 or undefined, is
// refused with std::domain_error.
std::array<Decimal, 6> trigDecimals(const Rational& degrees, const NumberFormat& format);

}  // namespace vorlinde::exact
