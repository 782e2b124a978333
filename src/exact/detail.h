#pragma once

#include <functional>
#include <string>
#include <utility>

#include "exact/exact.h"

// What the files of the exact library share and the rest of the program does not
// need: rounding to significant digits before a value is written.

namespace vorlinde::exact::detail {

// A value rounded to some significant digits, not yet written out.
// Its digits have no trailing zeros, "0" for zero.
struct Digits : SignificantDigits {
  bool exact = true;  // no digit was dropped
};

// Rounded half away from zero to the given number of significant digits.
Digits round(const Rational& value, int significant);
// Written by the number text rules: plain for exponents -4 to 14, else E notation.
Decimal format(const Digits& digits, const NumberFormat& format);

// Bounds lo ≤ x ≤ hi of a value known only approximately, about `digits` decimal
// digits apart from each other relative to x.
using Bounds = std::function<std::pair<Rational, Rational>(long digits)>;
// The rounding of a value known by bounds, narrowed until both ends round alike;
// never exact. Bounds still apart at mostDigits are taken to hold a value on a
// half, rounded away from zero as the number text rules round.
Digits roundIrrational(const Bounds& bounds, int significant, long mostDigits = 4096);
// The double nearest to the rounding to 17 digits (which tells every double apart).
double toDouble(const Digits& digits);

// a + b√d as (A + B√d)/Q with whole A and B and the least Q > 0.
struct WholeSurd {
  Integer a, b, q;
};
WholeSurd overCommonDenominator(const Surd& x);

// 10ⁿ.
Integer tenTo(unsigned long n);
// numerator/denominator in lowest terms.
Rational fraction(const Integer& numerator, const Integer& denominator);

}  // namespace vorlinde::exact::detail
