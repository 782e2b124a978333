#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/numbers.h"
#include "exact/exact.h"

// Values too long to work out exactly (a geometric sequence's 32767th term, a root
// of a radicand of thousands of digits), in floating point with 256 bits and an
// exponent of any size, written by the number text rules.

namespace vorlinde::exact {

using Float = mpf_class;

// Powers whose numerator or denominator would run past this many digits are
// estimated instead of worked out.
inline constexpr std::size_t kMostExactDigits = 50000;

Float toFloat(const Rational& x);
// x^e for whole e; x ≠ 0 where e < 0. Nothing where x^e lies beyond GMP's floats.
std::optional<Float> floatPower(const Rational& x, std::int64_t e);
// 15 significant digits: "7.07730515522477E+9863", "0.125".
std::string floatText(const Float& x, const NumberFormat& format);
// The decimal exponent of the first digit of x ≠ 0: 3 for 1234.5.
long decimalExponent(const Float& x);

}  // namespace vorlinde::exact
