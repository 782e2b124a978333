#include <gtest/gtest.h>
#include <mpfr.h>

#include <functional>
#include <string>

#include "exact/angles.h"
#include "exact/transcendental.h"

// The decimals given where a value has no exact form, against MPFR at 400 bits:
// each must be the value correctly rounded to 15 significant digits; and the exact
// values of the trigonometric functions against MPFR's.

namespace vorlinde::exact {
namespace {

// A number's significant digits and the exponent of the first: "-5729577893130E3".
std::string significant(std::string text) {
  long long exponent = 0;
  if (const std::size_t e = text.find('E'); e != std::string::npos) {
    exponent = std::stoll(text.substr(e + 1));
    text.resize(e);
  }
  const std::string sign = text[0] == '-' ? "-" : "";
  text.erase(0, sign.size());
  const std::size_t point = text.find('.');
  const long long before = point == std::string::npos ? text.size() : point;
  if (point != std::string::npos) text.erase(point, 1);
  const std::size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) return "0";
  exponent += before - 1 - static_cast<long long>(first);
  text = text.substr(first);
  text.erase(text.find_last_not_of('0') + 1);
  return sign + text + "E" + std::to_string(exponent);
}

// r·10ˢʰⁱᶠᵗ rounded to 15 digits.
std::string rounded(mpfr_t r, long long shift) {
  mpfr_exp_t e = 0;
  char* digits = mpfr_get_str(nullptr, &e, 10, 15, r, MPFR_RNDN);
  const std::string text = std::string(digits[0] == '-' ? "-0." : "0.") +
                           (digits + (digits[0] == '-')) + "E" + std::to_string(e + shift);
  mpfr_free_str(digits);
  return significant(text);
}

// MPFR's value of a function of typed decimals, rounded to 15 digits.
std::string reference(const std::function<void(mpfr_t, mpfr_t, mpfr_t)>& f, const char* a,
                      const char* b = "0") {
  mpfr_t x, y, r;
  mpfr_inits2(400, x, y, r, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_str(x, a, 10, MPFR_RNDN);
  mpfr_set_str(y, b, 10, MPFR_RNDN);
  f(r, x, y);
  const std::string text = rounded(r, 0);
  mpfr_clears(x, y, r, static_cast<mpfr_ptr>(nullptr));
  return text;
}

// mⁿ as ±10ᵘ for u = n·lg|m|, with the whole part of u kept apart: it may pass
// MPFR's exponent, which has 32 bits on Windows.
std::string powerReference(const char* m, const char* n) {
  mpfr_t x, y, u, whole;
  mpfr_inits2(400, x, y, u, whole, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_str(x, m, 10, MPFR_RNDN);
  mpfr_set_str(y, n, 10, MPFR_RNDN);
  const bool negative = mpfr_sgn(x) < 0;
  mpfr_abs(x, x, MPFR_RNDN);
  mpfr_log10(u, x, MPFR_RNDN);
  mpfr_mul(u, u, y, MPFR_RNDN);
  mpfr_floor(whole, u);
  mpfr_sub(u, u, whole, MPFR_RNDN);
  mpfr_exp10(u, u, MPFR_RNDN);
  mpfr_div_2ui(y, y, 1, MPFR_RNDN);
  if (negative && !mpfr_integer_p(y)) mpfr_neg(u, u, MPFR_RNDN);  // an odd n
  const std::string text = rounded(u, static_cast<long long>(mpfr_get_d(whole, MPFR_RNDN)));
  mpfr_clears(x, y, u, whole, static_cast<mpfr_ptr>(nullptr));
  return text;
}

// A typed decimal, exactly: "180.01" is 18001/100.
Rational decimal(const char* text) {
  return readStrict(text, {}).value();
}

using Function = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
const Function kTrig[] = {mpfr_sin, mpfr_cos, mpfr_tan, mpfr_cot, mpfr_sec, mpfr_csc};

// clang-format off
// Near the axes, past a turn, negative, tiny and huge.
const char* const kAngles[] = {
    "-2.1", "180.01", "89", "179", "0.5", "359.99", "1", "15", "22.5", "75", "-100.5", "271",
    "1E-7", "1E-300", "89.9999999", "90.0000001", "269.99999999", "12345.678", "1E20", "-1E15",
    "0.333333333333333", "44.99999999999999", "3.14159265358979"};
const char* const kLogarithms[] = {
    "2", "3", "0.5", "10.5", "72", "2.25", "1.0000001", "0.9999999", "1.000000000000001",
    "12345.6789", "1E-300", "2E300", "7E-320", "3.14159265358979", "99999999999999999999"};
const std::pair<const char*, const char*> kPowers[] = {
    {"2", "0.25"}, {"10", "0.3"}, {"3", "0.5"}, {"1.5", "2.5"}, {"2", "32767"}, {"3", "1000000"},
    {"0.5", "12345.5"}, {"-2", "33333"}, {"-3", "-4001"}, {"1.0000001", "1E7"},
    {"7", "-0.123456789"}, {"12345.678", "-300.5"}, {"1E-300", "1.5"}, {"0.999", "32767"},
    {"1.0000001", "1E17"}, {"2", "-1E6"}};
// clang-format on

TEST(Rounding, TrigonometricFunctionsOfAnglesInDegrees) {
  for (const char* angle : kAngles) {
    const std::array<Decimal, 6> shown = trigDecimals(decimal(angle), {});
    for (int i = 0; i < 6; ++i) {
      const std::string expected = reference(
          [&](mpfr_t r, mpfr_t x, mpfr_t) {
            mpfr_const_pi(r, MPFR_RNDN);
            mpfr_mul(r, r, x, MPFR_RNDN);
            mpfr_div_ui(r, r, 180, MPFR_RNDN);
            kTrig[i](r, r, MPFR_RNDN);
          },
          angle);
      EXPECT_EQ(significant(shown[i].text), expected) << angle << "° function " << i;
    }
  }
}

// Every multiple of 15° over three turns: each exact value is MPFR's to 390 bits,
// and the functions are undefined exactly on the axes.
TEST(Rounding, ExactValuesAtTheMultiplesOf15Degrees) {
  mpfr_t f, sum, term;
  mpfr_inits2(400, f, sum, term, static_cast<mpfr_ptr>(nullptr));
  for (int d = -360; d <= 720; d += 15)
    for (int i = 0; i < 6; ++i) {
      const std::optional<SurdSum> exact = exactTrig(d).value()[i];
      // tan and sec have no value on the y axis, cot and csc none on the x axis.
      ASSERT_EQ(!exact, (d + 360) % 180 == (i == 2 || i == 4   ? 90
                                            : i == 3 || i == 5 ? 0
                                                               : 1))
          << d << "° function " << i;
      if (!exact) continue;
      mpfr_const_pi(f, MPFR_RNDN);
      mpfr_mul_si(f, f, d, MPFR_RNDN);
      mpfr_div_ui(f, f, 180, MPFR_RNDN);
      kTrig[i](f, f, MPFR_RNDN);
      mpfr_neg(sum, f, MPFR_RNDN);
      for (const auto& [radicand, c] : exact->terms()) {
        mpfr_sqrt_ui(term, radicand.get_ui(), MPFR_RNDN);
        mpfr_mul_q(term, term, c.get_mpq_t(), MPFR_RNDN);
        mpfr_add(sum, sum, term, MPFR_RNDN);
      }
      EXPECT_LT(mpfr_get_exp(sum), -390) << d << "° function " << i;
    }
  mpfr_clears(f, sum, term, static_cast<mpfr_ptr>(nullptr));
  EXPECT_FALSE(exactTrig(Rational(15, 2)) || exactTrig(10));
}

TEST(Rounding, Logarithms) {
  for (const char* x : kLogarithms) {
    EXPECT_EQ(significant(lnDecimal(decimal(x), {}).text),
              reference([](mpfr_t r, mpfr_t a, mpfr_t) { mpfr_log(r, a, MPFR_RNDN); }, x))
        << "ln " << x;
    EXPECT_EQ(significant(lgDecimal(decimal(x), {}).text),
              reference([](mpfr_t r, mpfr_t a, mpfr_t) { mpfr_log10(r, a, MPFR_RNDN); }, x))
        << "lg " << x;
  }
}

TEST(Rounding, Powers) {
  for (const auto& [m, n] : kPowers) {
    const std::optional<Decimal> shown = powerDecimal(decimal(m), decimal(n), {});
    ASSERT_TRUE(shown) << m << "^" << n;
    EXPECT_EQ(significant(shown->text), powerReference(m, n)) << m << "^" << n;
  }
  EXPECT_FALSE(powerDecimal(decimal("3"), decimal("1E19"), {}));
  // 5²² = 2384185791015625 exactly: a half at the 16th digit goes away from zero.
  const Rational beyondDoubles(Integer("5" + std::string(2300, '0')));
  EXPECT_EQ(powerDecimal(beyondDoubles, 22, {})->text, "2.38418579101563E+50615");
}

}  // namespace
}  // namespace vorlinde::exact
