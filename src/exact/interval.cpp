#include "exact/interval.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace vorlinde::exact::detail {
namespace {

// Past the bits asked for: room for the rounding errors of a few thousand terms.
constexpr long kGuardBits = 32;

// x · 2ᵉ, exactly.
Rational timesPowerOfTwo(const Rational& x, long e) {
  Rational out;
  if (e >= 0)
    mpq_mul_2exp(out.get_mpq_t(), x.get_mpq_t(), static_cast<mp_bitcnt_t>(e));
  else
    mpq_div_2exp(out.get_mpq_t(), x.get_mpq_t(), static_cast<mp_bitcnt_t>(-e));
  return out;
}

// x to a whole number of units 2⁻ˢ, where s keeps `bits` bits of |x|.
Rational toUnits(const Rational& x, long bits, void (*divide)(mpz_ptr, mpz_srcptr, mpz_srcptr)) {
  if (sgn(x) == 0) return 0;
  const long size = static_cast<long>(mpz_sizeinbase(x.get_num_mpz_t(), 2)) -
                    static_cast<long>(mpz_sizeinbase(x.get_den_mpz_t(), 2));
  const long scale = bits - size;
  const Rational scaled = timesPowerOfTwo(x, scale);
  Integer units;
  divide(units.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
  return timesPowerOfTwo(Rational(units), -scale);
}

Interval between(const Integer& value, const Integer& error, const Integer& unit) {
  Rational lo(value - error, unit), hi(value + error, unit);
  lo.canonicalize();
  hi.canonicalize();
  return {lo, hi};
}

// Σ tₖ for t₀ = 1 and tₖ = tₖ₋₁·y·p/q, (p, q) = ratio(k), where |y·p/q| ≤ 1/2 for
// every k ≥ 1. Each term is cut to whole units of 2⁻ᵇⁱᵗˢ, so it is less than 2
// units off (its own cut and half the previous term's error); the terms left out,
// after one that came out 0, sum to less than 2 units more.
template <class Ratio>
Interval series(const Rational& y, Ratio ratio, long bits) {
  const Integer unit = Integer(1) << static_cast<mp_bitcnt_t>(bits);
  Integer term = unit, sum = unit;
  long terms = 0;
  for (long k = 1; term != 0; ++k, ++terms) {
    const auto [p, q] = ratio(k);
    term *= y.get_num() * p;
    term /= y.get_den() * q;  // truncates toward zero
    sum += term;
  }
  return between(sum, Integer(2 * terms + 4), unit);
}

// atanh q = q·Σ q²ᵏ/(2k + 1), for |q| ≤ 1/5.
Interval atanh(const Rational& q, long bits) {
  const auto odd = [](long k) { return std::pair{2 * k - 1, 2 * k + 1}; };
  return q * series(Rational(q * q), odd, bits);
}

// atan q = q·Σ (-q²)ᵏ/(2k + 1), for |q| ≤ 1/5.
Interval atan(const Rational& q, long bits) {
  const auto odd = [](long k) { return std::pair{2 * k - 1, 2 * k + 1}; };
  return q * series(Rational(-q * q), odd, bits);
}

Interval ln2(long bits) {
  return 2 * atanh(Rational(1, 3), bits);
}

}  // namespace

Interval operator+(const Interval& a, const Interval& b) {
  return {a.lo + b.lo, a.hi + b.hi};
}

Interval operator-(const Interval& a, const Interval& b) {
  return {a.lo - b.hi, a.hi - b.lo};
}

Interval operator*(const Interval& a, const Interval& b) {
  const Rational p[] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
  const auto [lo, hi] = std::minmax_element(std::begin(p), std::end(p));
  return {*lo, *hi};
}

Interval operator/(const Interval& a, const Interval& b) {
  if (sgn(b.lo) <= 0 && sgn(b.hi) >= 0) throw std::domain_error("division by bounds around 0");
  return a * Interval{1 / b.hi, 1 / b.lo};
}

Interval operator*(const Rational& k, const Interval& x) {
  if (sgn(k) < 0) return {k * x.hi, k * x.lo};
  return {k * x.lo, k * x.hi};
}

Rational roundedDown(const Rational& x, long bits) {
  return toUnits(x, bits, mpz_fdiv_q);
}

Rational roundedUp(const Rational& x, long bits) {
  return toUnits(x, bits, mpz_cdiv_q);
}

Interval pi(long bits) {
  // Machin: π = 16 atan(1/5) - 4 atan(1/239).
  const long b = bits + kGuardBits;
  return 16 * atan(Rational(1, 5), b) - 4 * atan(Rational(1, 239), b);
}

Interval ln10(long bits) {
  // ln 10 = 3 ln 2 + ln(5/4), and ln(5/4) = 2 atanh(1/9).
  const long b = bits + kGuardBits;
  return 3 * ln2(b) + 2 * atanh(Rational(1, 9), b);
}

Interval ln(const Rational& x, long bits) {
  if (sgn(x) <= 0) throw std::domain_error("logarithm of a number not above 0");
  // x = 2ᵏ·f with 3/4 ≤ f < 3/2, and ln f = 2 atanh t for t = (f - 1)/(f + 1).
  long k = static_cast<long>(mpz_sizeinbase(x.get_num_mpz_t(), 2)) -
           static_cast<long>(mpz_sizeinbase(x.get_den_mpz_t(), 2));
  Rational f = timesPowerOfTwo(x, -k);
  if (f >= Rational(3, 2)) {
    f /= 2;
    ++k;
  } else if (f < Rational(3, 4)) {
    f *= 2;
    --k;
  }
  const Rational t = (f - 1) / (f + 1);
  const long b = bits + kGuardBits;
  // atanh rises with t: bounds on t rounded outward give bounds on ln f.
  const Interval lnF{2 * atanh(roundedDown(t, b), b).lo, 2 * atanh(roundedUp(t, b), b).hi};
  if (k == 0) return lnF;
  const long kBits = static_cast<long>(std::bit_width(static_cast<unsigned long>(std::labs(k))));
  return lnF + Rational(k) * ln2(b + kBits);
}

Interval exp(const Interval& x, long bits) {
  // eˣ = 2ʲ·eʳ with r = x - j ln 2 within about ln 2 / 2 of 0.
  const long b = bits + kGuardBits;
  const long j = std::lround(x.lo.get_d() / std::numbers::ln2);
  const Interval r = x - Rational(j) * ln2(b + kGuardBits);
  if (abs(r.lo) > Rational(1, 2) || abs(r.hi) > Rational(1, 2))
    throw std::domain_error("exponent known too loosely");
  const auto factorial = [](long k) { return std::pair{1L, k}; };
  // eʳ rises with r.
  const Rational lo = series(roundedDown(r.lo, b), factorial, b).lo;
  const Rational hi = series(roundedUp(r.hi, b), factorial, b).hi;
  return {timesPowerOfTwo(lo, j), timesPowerOfTwo(hi, j)};
}

Interval sin(const Interval& x, long bits) {
  // sin q = q·Σ (-q²)ᵏ/(2k + 1)!, rising on [0, π/4].
  const long b = bits + kGuardBits;
  const auto bound = [b](const Rational& q) {
    const auto ratio = [](long k) { return std::pair{1L, 2 * k * (2 * k + 1)}; };
    return q * series(Rational(-q * q), ratio, b);
  };
  return {bound(roundedDown(x.lo, b)).lo, bound(roundedUp(x.hi, b)).hi};
}

Interval cos(const Interval& x, long bits) {
  // cos q = Σ (-q²)ᵏ/(2k)!, falling on [0, π/4].
  const long b = bits + kGuardBits;
  const auto bound = [b](const Rational& q) {
    const auto ratio = [](long k) { return std::pair{1L, (2 * k - 1) * 2 * k}; };
    return series(Rational(-q * q), ratio, b);
  };
  return {bound(roundedUp(x.hi, b)).lo, bound(roundedDown(x.lo, b)).hi};
}

}  // namespace vorlinde::exact::detail
