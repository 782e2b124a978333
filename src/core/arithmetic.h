#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/runtime_error.h"

// Guarded arithmetic. Every value of these kinds is in range and finite; an
// operation whose result is not raises the run-time error the pupil is shown.

namespace vorlinde {

// π as every window uses it: the double nearest to 3.14159265358979, a little
// below the double nearest to π, which decides the last digits shown.
inline constexpr double kPi = 3.14159265358979;

// A double whose operations raise error 11 for a non-zero value divided by zero
// and error 6 for an overflow or an invalid result (0 / 0). Underflow is allowed.
class Real {
 public:
  Real(double value = 0) : value_(value) {  // NOLINT: plain numbers take part in formulas
    if (!std::isfinite(value)) throw RuntimeError(ErrorCode::Overflow);
  }
  double value() const { return value_; }

  friend Real operator+(Real a, Real b) { return Real(a.value_ + b.value_); }
  friend Real operator-(Real a, Real b) { return Real(a.value_ - b.value_); }
  friend Real operator*(Real a, Real b) { return Real(a.value_ * b.value_); }
  friend Real operator/(Real a, Real b);
  Real operator-() const { return Real(-value_); }

  friend bool operator==(Real a, Real b) { return a.value_ == b.value_; }
  friend auto operator<=>(Real a, Real b) { return a.value_ <=> b.value_; }

 private:
  double value_;
};

// The power operation: a negative base with a fractional exponent raises error 5,
// zero to a negative power error 11, a result beyond the double range error 6.
Real power(Real base, Real exponent);
// Error 5 for a negative argument.
Real squareRoot(Real x);
// The natural logarithm; error 5 for zero or a negative argument.
Real logarithm(Real x);
Real sine(Real radians);
Real cosine(Real radians);
Real tangent(Real radians);

// A signed whole number of the given width; sums, differences, products and
// increments outside the range raise error 6, a remainder by zero error 11.
template <typename Int>
class Checked {
 public:
  Checked(Int value = 0) : value_(value) {}  // NOLINT: literals mix in freely
  Int value() const { return value_; }
  double toDouble() const { return value_; }

  friend Checked operator+(Checked a, Checked b) { return fit(std::int64_t{a.value_} + b.value_); }
  friend Checked operator-(Checked a, Checked b) { return fit(std::int64_t{a.value_} - b.value_); }
  friend Checked operator*(Checked a, Checked b) { return fit(std::int64_t{a.value_} * b.value_); }
  // Truncating remainder with the sign of the dividend (-4 mod 6 is -4).
  friend Checked operator%(Checked a, Checked b) {
    if (b.value_ == 0) throw RuntimeError(ErrorCode::DivisionByZero);
    return fit(std::int64_t{a.value_} % b.value_);
  }
  Checked operator-() const { return fit(-std::int64_t{value_}); }
  Checked& operator++() { return *this = *this + 1; }

  friend bool operator==(Checked a, Checked b) { return a.value_ == b.value_; }
  friend auto operator<=>(Checked a, Checked b) { return a.value_ <=> b.value_; }

 private:
  static Checked fit(std::int64_t v) {
    if (v < std::numeric_limits<Int>::min() || v > std::numeric_limits<Int>::max())
      throw RuntimeError(ErrorCode::Overflow);
    return Checked(static_cast<Int>(v));
  }
  Int value_;
};

using Int16 = Checked<std::int16_t>;
using Int32 = Checked<std::int32_t>;

}  // namespace vorlinde
