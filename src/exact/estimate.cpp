#include "exact/estimate.h"

#include <string_view>

namespace vorlinde::exact {
namespace {

constexpr mp_bitcnt_t kBits = 256;
constexpr int kDigits = 15;

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

}  // namespace

Float toFloat(const Rational& x) {
  Float f(0, kBits);
  mpf_set_q(f.get_mpf_t(), x.get_mpq_t());
  return f;
}

Float floatPower(const Rational& x, long e) {
  Float result(0, kBits);
  const unsigned long magnitude = e < 0 ? 0UL - static_cast<unsigned long>(e) : e;
  mpf_pow_ui(result.get_mpf_t(), toFloat(x).get_mpf_t(), magnitude);
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
