#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "core/c_locale.h"
#include "exact/detail.h"
#include "exact/exact.h"
#include "exact/notation.h"

namespace vorlinde::exact {
namespace detail {
namespace {

// Adds one unit in the last place; 999 becomes 1 with the exponent one higher.
void roundUp(Digits& d) {
  std::string& s = d.digits;
  std::size_t i = s.size();
  while (i > 0 && s[i - 1] == '9')
    s[--i] = '0';
  if (i == 0) {
    s.assign(1, '1');
    ++d.exponent;
  } else {
    ++s[i - 1];
  }
}

}  // namespace

Integer tenTo(unsigned long n) {
  Integer power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, n);
  return power;
}

Rational fraction(const Integer& numerator, const Integer& denominator) {
  Rational value(numerator, denominator);
  value.canonicalize();
  return value;
}

// One scaled division: the exponent estimated from the sizes of numerator and
// denominator fixes a scale that leaves a few digits more than needed.
Digits round(const Rational& value, int significant) {
  Digits d;
  if (sgn(value) == 0) return d;
  d.negative = sgn(value) < 0;
  Integer n = abs(value.get_num()), m = value.get_den();
  // |value| lies between 10^(estimate-2) and 10^(estimate+2).
  const long estimate = static_cast<long>(mpz_sizeinbase(n.get_mpz_t(), 10)) -
                        static_cast<long>(mpz_sizeinbase(m.get_mpz_t(), 10));
  const long scale = significant + 2 - estimate;
  if (scale >= 0)
    n *= tenTo(scale);
  else
    m *= tenTo(-scale);
  Integer whole, rest;
  mpz_tdiv_qr(whole.get_mpz_t(), rest.get_mpz_t(), n.get_mpz_t(), m.get_mpz_t());
  std::string s = whole.get_str();  // at least significant + 1 digits
  d.exponent = static_cast<long>(s.size()) - 1 - scale;
  d.exact = rest == 0 && s.find_first_not_of('0', significant) == std::string::npos;
  const bool up = s[significant] >= '5';
  s.resize(significant);
  d.digits = s;
  if (up) roundUp(d);
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  return d;
}

Decimal format(const Digits& d, const NumberFormat& format) {
  return {numberText(d, format), d.exact};
}

Digits roundIrrational(const Bounds& bounds, int significant, long mostDigits) {
  for (long digits = 24;; digits *= 2) {
    const auto [lo, hi] = bounds(digits);
    Digits low = round(lo, significant);
    Digits high = round(hi, significant);
    const bool alike =
        low.negative == high.negative && low.digits == high.digits && low.exponent == high.exponent;
    if (alike || digits >= mostDigits) {
      // Bounds still apart hold a value on a half: it goes away from zero.
      Digits& away = sgn(lo) < 0 ? low : high;
      away.exact = false;
      return away;
    }
  }
}

double toDouble(const Digits& d) {
  std::string text = d.negative ? "-" : "";
  text.append(d.digits, 0, 1).append(".").append(d.digits, 1).append("E");
  text += std::to_string(d.exponent);
  return cStrtod(text);
}

namespace {

// |value| × 10^k for the least k that makes it whole, where that k exists: the
// denominator is 2^twos × 5^fives, and nothing past the exponent form's 15 digits
// is needed to tell.
std::optional<std::pair<Integer, unsigned long>> terminating(const Rational& value) {
  Integer rest = value.get_den();
  const unsigned long twos = mpz_scan1(rest.get_mpz_t(), 0);
  mpz_tdiv_q_2exp(rest.get_mpz_t(), rest.get_mpz_t(), twos);
  const Integer five = 5;
  const unsigned long fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), five.get_mpz_t());
  if (rest != 1) return std::nullopt;
  // The factor that makes 10^k of the denominator lands in m whole: 2⁵⁰ and 5²²
  // already have more than 15 digits.
  const unsigned long k = std::max(twos, fives);
  if (k - twos > 50 || k - fives > 22) return std::nullopt;
  Integer scaled = abs(value.get_num());
  mpz_mul_2exp(scaled.get_mpz_t(), scaled.get_mpz_t(), k - twos);
  Integer power;
  mpz_ui_pow_ui(power.get_mpz_t(), 5, k - fives);
  return std::pair{Integer(scaled * power), k};
}

}  // namespace
}  // namespace detail

std::optional<std::string> powerOfTen(const Rational& value, const NumberFormat& format) {
  constexpr std::size_t kMostDigits = 15;
  constexpr long kLeastExponent = 20;
  if (sgn(value) == 0) return std::nullopt;
  auto scaled = detail::terminating(value);
  if (!scaled) return std::nullopt;
  Integer& m = scaled->first;
  const std::size_t digits = digitCount(m);
  const long exponent = static_cast<long>(digits) - 1 - static_cast<long>(scaled->second);
  if (std::abs(exponent) < kLeastExponent) return std::nullopt;
  if (digits > kMostDigits) {
    // The digits past the fifteenth must all be zeros: a cheap look at the twos first.
    const std::size_t past = digits - kMostDigits;
    if (mpz_scan1(m.get_mpz_t(), 0) < past) return std::nullopt;
    const Integer ten = detail::tenTo(past);
    if (!mpz_divisible_p(m.get_mpz_t(), ten.get_mpz_t())) return std::nullopt;
    mpz_divexact(m.get_mpz_t(), m.get_mpz_t(), ten.get_mpz_t());
  }
  std::string d = m.get_str();
  d.erase(d.find_last_not_of('0') + 1);
  std::string text = sgn(value) < 0 ? "-" : "";
  if (d != "1") text += d.substr(0, 1) + (d.size() > 1 ? format.decimal + d.substr(1) : "") + "×";
  return text + "10" + notation::sup(std::to_string(exponent));
}

Decimal decimal(const Rational& value, const NumberFormat& format) {
  return detail::format(detail::round(value, 15), format);
}

namespace {

// x = y·10ᵉ with neither y's numerator nor its denominator divisible by 10.
struct TenFree {
  Rational y;
  long e;
};
TenFree tenFree(const Rational& x) {
  Integer p = x.get_num(), q = x.get_den();
  const Integer ten = 10;
  const auto up = static_cast<long>(mpz_remove(p.get_mpz_t(), p.get_mpz_t(), ten.get_mpz_t()));
  const auto down = static_cast<long>(mpz_remove(q.get_mpz_t(), q.get_mpz_t(), ten.get_mpz_t()));
  return {Rational(p, q), up - down};
}

// The sum of the digit counts of x's numerator and denominator.
double digitsOf(const Rational& x) {
  return static_cast<double>(digitCount(x.get_num()) + digitCount(x.get_den()));
}

}  // namespace

std::optional<Decimal> shortDecimal(const Rational& factor, const Rational& base,
                                    const Integer& exponent, const NumberFormat& format) {
  if (factor == 0 || (base == 0 && sgn(exponent) > 0)) return exact::decimal(0, format);
  if (base == 0) return std::nullopt;
  // f·bⁿ = f'·b'ⁿ·10ᵏ with f' and b' free of tens, and b⁻ⁿ = (1/b)ⁿ.
  const TenFree f = tenFree(factor);
  const TenFree b = tenFree(sgn(exponent) < 0 ? Rational(1 / base) : base);
  const Integer n = abs(exponent);
  Rational raised = sgn(b.y) < 0 && n % 2 != 0 ? -1 : 1;
  if (abs(b.y) != 1) {
    // For b' = p/q, what is left of f'·b'ⁿ once its tens are taken out is at least
    // (pq)^(0.43n) over the factor's numerator times its denominator: only a 2 and a
    // 5 pair into a ten, and lg 2 / lg 5 > 0.43.
    const double least = 0.43 * n.get_d() * std::max(std::log10(2.0), digitsOf(b.y) - 2);
    if (least - digitsOf(f.y) > 15) return std::nullopt;
    raised = power(b.y, n.get_si(), static_cast<std::size_t>(-1)).value();
  }
  detail::Digits d = detail::round(f.y * raised, 15);
  const std::optional<std::int64_t> shift =
      toInt64(Integer(f.e) + Integer(b.e) * n + toInteger(d.exponent));
  if (!d.exact || !shift) return std::nullopt;
  d.exponent = *shift;
  return detail::format(d, format);
}

std::size_t digitCount(const Integer& value) {
  const std::size_t size = mpz_sizeinbase(value.get_mpz_t(), 10);
  // sizeinbase may count one digit too many.
  if (size > 1 && mpz_cmpabs(value.get_mpz_t(), detail::tenTo(size - 1).get_mpz_t()) < 0)
    return size - 1;
  return size;
}

}  // namespace vorlinde::exact
