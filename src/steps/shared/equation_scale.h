#pragma once

#include <string>
#include <string_view>

#include "core/numbers.h"
#include "exact/exact.h"

// Exact values placed on a figure's axis. Values from 1E-300 to 1E+300, or
// points far from the origin and close to each other, are drawn at a readable
// scale: a value v stands at (v - origin) / 10^exponent, and a label says so.

namespace vorlinde::steps::eq {

// log₁₀|v| for v ≠ 0, from the leading bits, so that it never overflows.
double log10Of(const exact::Rational& v);
// v as a double, kept within ±1E+300.
double clampedDouble(const exact::Rational& v);

class AxisScale {
 public:
  AxisScale() = default;
  // For features around centre spread over about 10^log10Extent: a power of ten
  // beyond 10^±30, and an origin moved onto the features when they lie more than
  // a million spreads from 0.
  AxisScale(const exact::Rational& centre, double log10Extent);

  double at(const exact::Rational& v) const;
  double at(const exact::Surd& v) const;
  // The exact value drawn at u.
  exact::Rational value(double u) const;
  // 10^(log10v - exponent): a length of 10^log10v as drawn.
  double length(double log10v) const;
  bool scaled() const { return exponent_ != 0 || origin_ != 0; }
  bool shifted() const { return origin_ != 0; }
  // "x 轴上的数 × 10³⁰⁰ 才是 x" and the like; empty when drawn as it is.
  std::string note(std::string_view axis, const NumberFormat& format) const;

  friend bool operator==(const AxisScale&, const AxisScale&) = default;

 private:
  exact::Rational origin_ = 0;
  long exponent_ = 0;
  exact::Rational unit_ = 1;  // 10^exponent
};

}  // namespace vorlinde::steps::eq
