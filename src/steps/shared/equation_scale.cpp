#include "steps/shared/equation_scale.h"

#include <algorithm>
#include <cmath>

#include "exact/notation.h"

namespace vorlinde::steps::eq {
namespace {

using exact::Integer;
using exact::Rational;

constexpr double kFarthest = 1e300;
// Drawn as they are between 10^-30 and 10^30: the window's tick labels read well there.
constexpr double kPlainRange = 30;
// Features more than this many spreads from 0 are drawn from an origin of their own.
constexpr double kMostSpreads = 6;

Rational tenTo(long n) {
  Integer p;
  mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(n)));
  return n >= 0 ? Rational(p) : Rational(1) / Rational(p);
}

double log2Of(const Integer& n, long& bits) {
  return std::log2(std::fabs(mpz_get_d_2exp(&bits, n.get_mpz_t())));
}

}  // namespace

double log10Of(const Rational& v) {
  long top = 0, bottom = 0;
  const double fraction = log2Of(v.get_num(), top) - log2Of(v.get_den(), bottom);
  return (fraction + static_cast<double>(top - bottom)) * std::log10(2.0);
}

double clampedDouble(const Rational& v) {
  if (sgn(v) == 0) return 0;
  const double magnitude = log10Of(v);
  if (magnitude > 300) return sgn(v) * kFarthest;
  if (magnitude < -300) return 0;
  return std::clamp(v.get_d(), -kFarthest, kFarthest);
}

AxisScale::AxisScale(const Rational& centre, double log10Extent) {
  if (!std::isfinite(log10Extent)) log10Extent = 0;
  if (std::fabs(log10Extent) > kPlainRange) {
    exponent_ = static_cast<long>(std::floor(log10Extent));
    unit_ = tenTo(exponent_);
  }
  if (sgn(centre) != 0 && log10Of(centre) - log10Extent > kMostSpreads) {
    // A round number near the centre, in steps of about the spread.
    const Rational step = tenTo(static_cast<long>(std::floor(log10Extent)));
    const Rational steps = centre / step;
    Integer whole;
    mpz_fdiv_q(whole.get_mpz_t(), steps.get_num_mpz_t(), steps.get_den_mpz_t());
    origin_ = Rational(whole) * step;
  }
}

double AxisScale::at(const Rational& v) const {
  return clampedDouble((v - origin_) / unit_);
}

double AxisScale::at(const exact::Surd& v) const {
  if (v.isRational()) return at(v.a());
  const double x = ((v - exact::Surd(origin_)) / exact::Surd(unit_)).approx();
  return std::isfinite(x) ? std::clamp(x, -kFarthest, kFarthest) : 0;
}

Rational AxisScale::value(double u) const {
  return origin_ + Rational(u) * unit_;
}

double AxisScale::length(double log10v) const {
  return std::pow(10.0, std::clamp(log10v - static_cast<double>(exponent_), -250.0, 250.0));
}

std::string AxisScale::note(std::string_view axis, const NumberFormat& format) const {
  if (!scaled()) return "";
  std::string text = std::string(axis) + " 轴上标的数";
  if (exponent_ != 0) text += " × 10" + notation::sup(std::to_string(exponent_));
  if (origin_ != 0) text += (exponent_ ? " 再加上 " : " 加上 ") + exact::text(origin_, format);
  return text + " 才是 " + std::string(axis);
}

}  // namespace vorlinde::steps::eq
