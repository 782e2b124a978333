#include "exact/transcendental.h"

#include <bit>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "exact/detail.h"
#include "exact/interval.h"

namespace vorlinde::exact {
namespace {

using detail::Interval;

// Bounds on a value for a precision in bits.
using Estimate = std::function<Interval(long bits)>;

// Bounds still apart at this many digits are taken to hold a value on a half, as
// the power (5·10²³⁰⁰)²² does; an irrational value that near one is a unit off at worst.
constexpr long kMostDigits = 256;

detail::Digits rounded(const Estimate& estimate) {
  return detail::roundIrrational(
      [&](long digits) {
        // 10/3 bits a digit, and a margin.
        const Interval x = estimate(digits * 10 / 3 + 16);
        return std::pair{x.lo, x.hi};
      },
      15, kMostDigits);
}

Decimal written(const Estimate& estimate, const NumberFormat& format) {
  return detail::format(rounded(estimate), format);
}

// log₁₀ x for x > 0 in doubles from the leading bits: enough to place the decimal point.
double log10Near(const Rational& x) {
  const auto log2 = [](const Integer& n) {
    long bits = 0;
    const double mantissa = mpz_get_d_2exp(&bits, n.get_mpz_t());
    return std::log2(mantissa) + static_cast<double>(bits);
  };
  return (log2(x.get_num()) - log2(x.get_den())) * std::log10(2.0);
}

// An angle in [0°, 360°) by its reference angle β in [0°, 90°] and the signs of
// sin and cos in its quadrant.
struct Quadrant {
  Rational beta;
  int sinSign, cosSign;
};

Quadrant quadrant(const Rational& d) {
  if (d < 90) return {d, 1, 1};
  if (d < 180) return {180 - d, 1, -1};
  if (d < 270) return {d - 180, -1, -1};
  return {360 - d, -1, 1};
}

}  // namespace

Decimal lnDecimal(const Rational& x, const NumberFormat& format) {
  return written([&](long bits) { return detail::ln(x, bits); }, format);
}

Decimal lgDecimal(const Rational& x, const NumberFormat& format) {
  return written([&](long bits) { return detail::ln(x, bits) / detail::ln10(bits); }, format);
}

std::optional<Decimal> powerDecimal(const Rational& m, const Rational& n,
                                    const NumberFormat& format) {
  if (sgn(m) == 0) return sgn(n) > 0 ? std::optional<Decimal>({"0", true}) : std::nullopt;
  if (sgn(m) < 0 && n.get_den() != 1) throw std::domain_error("fractional power of a negative");
  if (n.get_den() == 1)
    if (std::optional<Decimal> exact = shortDecimal(1, m, n.get_num(), format)) return exact;
  const Rational a = abs(m);
  // |m|ⁿ = 10ᵘ for u = n lg |m|: the whole part e of u places the decimal point, and
  // exp(n ln |m| - e ln 10) gives the digits.
  const double u = n.get_d() * log10Near(a);
  if (!std::isfinite(u) || std::abs(u) > 1e18) return std::nullopt;
  // e runs to 10¹⁸, past what Windows' 32-bit long holds.
  const std::int64_t e = static_cast<std::int64_t>(std::floor(u));
  const long extra = 64 + std::bit_width(static_cast<std::uint64_t>(e < 0 ? -e : e));
  const Rational whole(toInteger(e));
  detail::Digits d = rounded([&](long bits) {
    const long b = bits + extra;
    return detail::exp(n * detail::ln(a, b) - whole * detail::ln10(b), bits);
  });
  d.exponent += e;
  d.negative = sgn(m) < 0 && mpz_odd_p(n.get_num_mpz_t());
  return detail::format(d, format);
}

std::array<Decimal, 6> trigDecimals(const Rational& degrees, const NumberFormat& format) {
  // The turns taken off, then the reference angle β of the quadrant.
  Integer turns;
  const Rational fraction = degrees / 360;
  mpz_fdiv_q(turns.get_mpz_t(), fraction.get_num_mpz_t(), fraction.get_den_mpz_t());
  const Rational d = degrees - 360 * Rational(turns);
  const auto [beta, sinSign, cosSign] = quadrant(d);
  if (beta == 0 || beta == 90) throw std::domain_error("an angle on an axis");
  // Beyond 45° the sine of β is the cosine of 90° - β, and the other way round.
  const bool swapped = beta > 45;
  const Rational reference = swapped ? Rational(90 - beta) : beta;
  const auto sinCos = [&](long bits) {
    const Interval x = Rational(reference / 180) * detail::pi(bits);
    const Interval s = detail::sin(x, bits), c = detail::cos(x, bits);
    return swapped ? std::pair{c, s} : std::pair{s, c};
  };
  using Of = Interval (*)(const Interval& s, const Interval& c);
  const Of functions[] = {
      [](const Interval& s, const Interval&) { return s; },
      [](const Interval&, const Interval& c) { return c; },
      [](const Interval& s, const Interval& c) { return s / c; },
      [](const Interval& s, const Interval& c) { return c / s; },
      [](const Interval&, const Interval& c) {
        return Interval{1, 1} / c;
      },
      [](const Interval& s, const Interval&) {
        return Interval{1, 1} / s;
      },
  };
  const int signs[] = {sinSign, cosSign, sinSign * cosSign, sinSign * cosSign, cosSign, sinSign};
  std::array<Decimal, 6> out;
  for (int i = 0; i < 6; ++i)
    out[i] = written(
        [&](long bits) {
          const auto [s, c] = sinCos(bits);
          return Rational(signs[i]) * functions[i](s, c);
        },
        format);
  return out;
}

}  // namespace vorlinde::exact
