#include <utility>

#include "exact/detail.h"
#include "exact/exact.h"

namespace vorlinde::exact {
namespace {

// π to 120 decimals, more than any rounding to 15 digits needs.
constexpr const char* kPiDigits =
    "3141592653589793238462643383279502884197169399375105820974944592307816406286"
    "208998628034825342117067982148086513282306647";
constexpr unsigned long kPiDecimals = 120;

// Orders two bounds that a negative factor has swapped.
std::pair<Rational, Rational> ordered(Rational lo, Rational hi) {
  if (lo > hi) std::swap(lo, hi);
  return {std::move(lo), std::move(hi)};
}

// (A + B√d)/Q for A and B not of opposite signs, so that no digits cancel: with
// √d·10ˢ between r and r+1 for r = ⌊√(d·10²ˢ)⌋, the value lies between
// (A·10ˢ + B·r)/(Q·10ˢ) and the same with r+1.
std::pair<Rational, Rational> sameSignBounds(const Integer& a, const Integer& b, const Integer& q,
                                             const Integer& d, long digits) {
  const unsigned long s = digits + mpz_sizeinbase(b.get_mpz_t(), 10);
  const Integer scale = detail::tenTo(s);
  const Integer r = sqrt(Integer(d * scale * scale));
  const Integer base = a * scale;
  const Integer denominator = q * scale;
  return ordered(detail::fraction(base + b * r, denominator),
                 detail::fraction(base + b * (r + 1), denominator));
}

// a + b√d = (A + B√d)/Q with whole A, B and Q > 0. Where A and B√d nearly cancel,
// the value is taken as (A² - B²d)/(Q(A - B√d)), whose conjugate cancels nothing.
detail::Bounds surdBounds(const Surd& x) {
  auto [a, b, q] = detail::overCommonDenominator(x);
  return [a, b, q, d = x.d()](long digits) {
    if (sgn(a) * sgn(b) >= 0) return sameSignBounds(a, b, q, d, digits);
    const Rational norm(Integer(a * a - b * b * d));
    const auto [lo, hi] = sameSignBounds(a, -b, 1, d, digits);
    return ordered(norm / (q * lo), norm / (q * hi));
  };
}

detail::Digits rounded(const Surd& x, int significant) {
  if (x.isRational()) return detail::round(x.a(), significant);
  return detail::roundIrrational(surdBounds(x), significant);
}

}  // namespace

double Surd::approx() const {
  return detail::toDouble(rounded(*this, 17));
}

Decimal Surd::decimal(const NumberFormat& format) const {
  return detail::format(rounded(*this, 15), format);
}

Decimal PiMultiple::decimal(const NumberFormat& format) const {
  if (k_ == 0) return {"0", true};
  // π lies between P = kPiDigits/10¹²⁰ and P + 10⁻¹²⁰.
  const detail::Bounds bounds = [this](long) {
    const Integer scale = detail::tenTo(kPiDecimals);
    const Rational pi = detail::fraction(Integer(kPiDigits), scale);
    const Rational above = detail::fraction(Integer(kPiDigits) + 1, scale);
    return ordered(k_ * pi, k_ * above);
  };
  return detail::format(detail::roundIrrational(bounds, 15), format);
}

}  // namespace vorlinde::exact
