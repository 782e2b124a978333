#include "exact/estimate.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace vorlinde::exact {
namespace {

constexpr mp_bitcnt_t kBits = 256;
constexpr int kDigits = 15;
// Past 2³² bits a power's decimal exponent would not fit the 32-bit exponent GMP
// writes on Windows; every system stops there, so that all give the same answers.
constexpr double kMostPowerBits = 4294967296.0;

// Rounded to 15 significant digits by GMP.
SignificantDigits digitsOf(const Float& x) {
  mp_exp_t e = 0;
  char* raw = mpf_get_str(nullptr, &e, 10, kDigits, x.get_mpf_t());
  const std::string_view text = raw;
  SignificantDigits d;
  d.negative = text.starts_with('-');
  d.digits = text.substr(d.negative ? 1 : 0);
  d.exponent = static_cast<long>(e) - 1;
  void (*release)(void*, size_t) = nullptr;
  mp_get_memory_functions(nullptr, nullptr, &release);
  release(raw, text.size() + 1);
  return d;
}

double log2Of(const Integer& n) {
  long bits = 0;
  const double mantissa = mpz_get_d_2exp(&bits, n.get_mpz_t());
  return std::log2(std::abs(mantissa)) + static_cast<double>(bits);
}

}  // namespace

Float toFloat(const Rational& x) {
  Float f(0, kBits);
  mpf_set_q(f.get_mpf_t(), x.get_mpq_t());
  return f;
}

std::optional<Float> floatPower(const Rational& x, std::int64_t e) {
  const std::uint64_t magnitude = e < 0 ? 0 - static_cast<std::uint64_t>(e) : e;
  if (x != 0) {
    const double bits =
        static_cast<double>(magnitude) * std::abs(log2Of(x.get_num()) - log2Of(x.get_den()));
    if (!(bits < kMostPowerBits)) return std::nullopt;
  }
  Float result(0, kBits);
  const Float base = toFloat(x);
  // GMP takes the exponent as an unsigned long, which has 32 bits on Windows: a
  // larger one is x^(high × 2³²) × x^low, on every system alike.
  const std::uint64_t high = magnitude >> 32;
  mpf_pow_ui(result.get_mpf_t(), base.get_mpf_t(),
             static_cast<unsigned long>(magnitude - (high << 32)));
  if (high > 0) {
    Float step(0, kBits);
    mpf_pow_ui(step.get_mpf_t(), base.get_mpf_t(), 1UL << 16);
    mpf_pow_ui(step.get_mpf_t(), step.get_mpf_t(), 1UL << 16);
    mpf_pow_ui(step.get_mpf_t(), step.get_mpf_t(), static_cast<unsigned long>(high));
    result *= step;
  }
  if (e < 0) mpf_ui_div(result.get_mpf_t(), 1, result.get_mpf_t());
  return result;
}

long decimalExponent(const Float& x) {
  return digitsOf(x).exponent;
}

std::string floatText(const Float& x, const NumberFormat& format) {
  return numberText(digitsOf(x), format);
}

}  // namespace vorlinde::exact
