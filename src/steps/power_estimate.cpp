#include "steps/power_estimate.h"

#include <cstdio>
#include <cstdlib>

namespace vorlinde::steps {
namespace {

constexpr mp_bitcnt_t kBits = 256;
constexpr int kDigits = 15;

struct Digits {
  std::string digits;  // without sign or trailing zeros
  long exponent = 0;   // of the first digit
  bool negative = false;
};

Digits digitsOf(const Float& x) {
  mp_exp_t e = 0;
  char* raw = mpf_get_str(nullptr, &e, 10, kDigits, x.get_mpf_t());
  Digits d{raw, static_cast<long>(e) - 1, false};
  void (*release)(void*, size_t) = nullptr;
  mp_get_memory_functions(nullptr, nullptr, &release);
  release(raw, std::char_traits<char>::length(raw) + 1);
  if (!d.digits.empty() && d.digits[0] == '-') {
    d.negative = true;
    d.digits.erase(0, 1);
  }
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  return d;
}

}  // namespace

Float toFloat(const exact::Rational& x) {
  Float f(0, kBits);
  mpf_set_q(f.get_mpf_t(), x.get_mpq_t());
  return f;
}

Float floatPower(const exact::Rational& x, long e) {
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
  if (sgn(x) == 0) return "0";
  const Digits d = digitsOf(x);
  std::string text = d.negative ? "-" : "";
  const std::string& s = d.digits;
  const long count = static_cast<long>(s.size());
  if (d.exponent < -4 || d.exponent > 14) {
    text += s.substr(0, 1);
    if (count > 1) text += format.decimal + s.substr(1);
    char exponent[32];
    std::snprintf(exponent, sizeof exponent, "E%c%02ld", d.exponent < 0 ? '-' : '+',
                  std::labs(d.exponent));
    return text + exponent;
  }
  if (d.exponent < 0) return text + "0" + format.decimal + std::string(-d.exponent - 1, '0') + s;
  if (count <= d.exponent + 1) return text + s + std::string(d.exponent + 1 - count, '0');
  return text + s.substr(0, d.exponent + 1) + format.decimal + s.substr(d.exponent + 1);
}

}  // namespace vorlinde::steps
