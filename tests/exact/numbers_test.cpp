#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "exact/estimate.h"
#include "exact/exact.h"

namespace vorlinde::exact {
namespace {

Rational q(const std::string& text) {
  Rational value(text);
  value.canonicalize();
  return value;
}
const std::optional<Rational> kNothing;
const Integer kTwoTo32767 = Integer(1) << 32767;

TEST(Reading, StrictAndLenientTakeTheTypedDigitsExactly) {
  const std::string zeros(320, '0');
  struct Case {
    std::string text;
    std::optional<Rational> strict, lenient;
  } cases[] = {
      {"0.1", q("1/10"), q("1/10")},
      {"1.5E-3", q("3/2000"), q("3/2000")},
      {"-1,000.5", q("-2001/2"), q("-1")},
      {"１２。５", q("25/2"), q("25/2")},
      {" +2.50d2 ", q("250"), q("250")},
      {"-.5D-1", q("-1/20"), q("-1/20")},
      {"1E-320", q("1/1" + zeros), q("1/1" + zeros)},
      // The exponent reads as 0 as a double, and as 0 exactly past 4,000 digits.
      {"1E-99999999999999999999", q("0"), q("0")},
      {"0." + std::string(16999, '0') + "5E+17000", q("5"), q("5")},
      {"0." + std::string(4500, '3'), fromDouble(1.0 / 3), fromDouble(1.0 / 3)},
      {"1E400", kNothing, kNothing},
      {"12.5cm", kNothing, q("25/2")},
      {"", kNothing, q("0")},
      {"&H10", kNothing, q("16")},
      {"&o178", kNothing, q("15")},
      {"&HFFFFFFFFFFFFFFFFF", kNothing, q("295147905179352825855")},  // past a double's bits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readStrict(c.text, {}), c.strict) << c.text.substr(0, 30);
    EXPECT_EQ(readLenient(c.text), c.lenient) << c.text.substr(0, 30);
  }
  EXPECT_EQ(readStrict("1.000,25", {",", "."}), q("4001/4"));
  EXPECT_EQ(fromDouble(0.1), q("3602879701896397/36028797018963968"));
  EXPECT_EQ(fromDouble(DBL_TRUE_MIN) * power(2, 1074, 400).value(), 1);
  EXPECT_THROW(fromDouble(HUGE_VAL), std::domain_error);
}

TEST(Decimal, FifteenDigitsRoundedHalfAwayFromZero) {
  struct Case {
    Rational value;
    const char* text;
    bool exact;
  } cases[] = {
      {q("1/3"), "0.333333333333333", false},
      {q("2/3"), "0.666666666666667", false},
      {q("3/2"), "1.5", true},
      {q("-1/8"), "-0.125", true},
      {q("1000000000000000"), "1E+15", true},
      {q("999999999999999"), "999999999999999", true},
      {q("9999999999999999"), "1E+16", false},
      {q("1999999999999999/2"), "1E+15", false},  // a half goes up
      {q("-1234567890123455/10000000000000000"), "-0.123456789012346", false},
      {q("123456789012345678"), "1.23456789012346E+17", false},
      {q("1/100000"), "1E-05", true},
      {q("1/10000"), "0.0001", true},
      {Rational(kTwoTo32767), "7.07730515522477E+9863", false},
      {Rational(Integer(1), kTwoTo32767), "1.41296719311553E-9864", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decimal(c.value, {}).text, c.text) << c.value;
    EXPECT_EQ(decimal(c.value, {}).exact, c.exact) << c.value;
  }
  // Every double comes out as the windows write it, separator included.
  const NumberFormat comma{",", "."};
  for (int i = -40; i <= 40; ++i)
    for (double x : {std::pow(7.3, i), -1 / (i + 0.7), i * 0.1, std::ldexp(1.0, 25 * i)})
      EXPECT_EQ(decimal(fromDouble(x), comma).text, numberText(x, comma)) << x;
}

// Against the power worked out, wherever it can be: a short decimal exactly when the
// power's decimal ends within 15 digits.
TEST(Decimal, ShortPowersAreToldWithoutWorkingThemOut) {
  for (const char* f : {"1", "-3", "1/4", "1024", "1/3", "123456789"})
    for (const char* b : {"10", "-1/10", "2", "5", "1/2", "-1/5", "1/3", "3/2", "20", "1/1000"})
      for (long n = -60; n <= 60; ++n) {
        const Rational value = q(f) * power(q(b), n, 1000).value();
        const Decimal d = decimal(value, {});
        const std::optional<Decimal> told = shortDecimal(q(f), q(b), n, {});
        EXPECT_EQ(told.has_value(), d.exact) << f << "×(" << b << ")^" << n;
        if (told) {
          EXPECT_EQ(told->text, d.text) << f << "×(" << b << ")^" << n;
        }
      }
  EXPECT_EQ(shortDecimal(Integer(1) << 200, 5, 200, {})->text, "1E+200");  // the 2s pair with 5s
  EXPECT_EQ(shortDecimal(3, q("-1/10"), Integer("999999999999"), {})->text, "-3E-999999999999");
  EXPECT_FALSE(shortDecimal(1, 2, Integer("1000000000000000000"), {}));
  EXPECT_FALSE(shortDecimal(1, 0, -1, {}));
}

TEST(SquareFactors, TakesOutEverySquareFound) {
  const Integer big = Integer(1000003) * 1000033;  // two primes past the trial division
  struct Case {
    Integer n, outside, inside;
  } cases[] = {
      {0, 0, 1},
      {1, 1, 1},
      {72, 6, 2},
      {1000000, 1000, 1},
      {999983, 1, 999983},
      {Integer(999983) * 999983 * 7, 999983, 7},
      {Integer(1000003) * 1000003 * 2, 1000003, 2},
      {big, 1, big},
      {big * big * 3, big, 3},
      {(Integer(1) << 100) * 27, (Integer(1) << 50) * 3, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(squareFactors(c.n).outside, c.outside) << c.n;
    EXPECT_EQ(squareFactors(c.n).inside, c.inside) << c.n;
  }
  EXPECT_THROW(squareFactors(-4), std::domain_error);
}

// Past 32 bits, where Windows' long ends, to 63.
TEST(Int64, WholeNumbersBelowTwoToThe63BothWays) {
  const Integer two63 = Integer(1) << 63;
  const struct {
    Integer n;
    std::optional<std::int64_t> value;
  } cases[] = {
      {0, 0},
      {-7, -7},
      {Integer(1) << 31, INT64_C(2147483648)},
      {-(Integer(1) << 32) - 5, INT64_C(-4294967301)},
      {two63 - 1, INT64_MAX},
      {1 - two63, -INT64_MAX},
      {two63, std::nullopt},
      {-two63 - 1, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(toInt64(c.n), c.value) << c.n;
    if (c.value) {
      EXPECT_EQ(toInteger(*c.value), c.n) << c.n;
    }
  }
}

TEST(Power, ExactUpToTheDigitLimit) {
  const std::string thousand = "1" + std::string(999, '0');
  struct Case {
    Rational base;
    std::int64_t exponent;
    std::size_t maxDigits;
    std::optional<Rational> value;
  } cases[] = {
      {q("2/3"), -3, 1000, q("27/8")},
      {q("-1/2"), -3, 1000, q("-8")},
      {0, 0, 1000, q("1")},
      {0, 5, 1000, q("0")},
      {0, -1, 1000, kNothing},
      {-1, INT64_MIN, 1000, q("1")},
      {-1, INT64_MAX, 1000, q("-1")},
      {2, 32767, 9864, Rational(kTwoTo32767)},
      {2, 32767, 9863, kNothing},
      {10, -999, 1000, q("1/" + thousand)},
      {10, 1000, 1000, kNothing},  // 1001 digits, one more than the estimate says
      {2, INT64_MAX, 1000, kNothing},
      {q("1/3"), INT64_MIN, 1000, kNothing},
  };
  for (const Case& c : cases)
    EXPECT_EQ(power(c.base, c.exponent, c.maxDigits), c.value) << c.base << "^" << c.exponent;
}

// Estimates of powers too long to write, with exponents past 32 bits; nothing
// where the decimal exponent would pass 32 bits.
TEST(FloatPower, EstimatesWithinTwoToThe32Bits) {
  const Rational nearOne(1001, 1000);
  const struct {
    Rational x;
    std::int64_t e;
    std::optional<std::string> text;
  } cases[] = {
      {2, 10, "1024"},
      {Rational(1, 2), -3, "8"},
      {nearOne, (INT64_C(1) << 32) + 1, "3.7847548616201E+1864348"},
      {nearOne, -(INT64_C(1) << 33), "6.99507932697664E-3728698"},
      {1 + Rational(1, Integer(1) << 100), INT64_MIN, "0.999999999992724"},
      {2, (INT64_C(1) << 32) - 1, "1.55164027193164E+1292913986"},
      {2, INT64_C(1) << 32, std::nullopt},
      {Rational(Integer(1) << 1000), INT64_C(1) << 61, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<Float> power = floatPower(c.x, c.e);
    EXPECT_EQ(power ? std::optional(floatText(*power, {})) : std::nullopt, c.text) << c.e;
  }
}

}  // namespace
}  // namespace vorlinde::exact
