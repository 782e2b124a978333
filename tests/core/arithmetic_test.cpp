#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

#include "support/error_number.h"

namespace vorlinde {
namespace {

using test::errorOf;

TEST(GuardedDouble, DivisionAndOverflow) {
  struct Case {
    const char* what;
    int error;
    std::function<void()> action;
  } cases[] = {
      {"1/0", 11, [] { Real(1) / 0; }},
      {"-1/-0", 11, [] { Real(-1) / Real(-0.0); }},
      {"0/0", 6, [] { Real(0) / 0; }},
      {"overflowing product", 6, [] { Real(1e200) * 1e200; }},
      {"overflowing sum", 6, [] { Real(1.7e308) + 1.7e308; }},
      {"underflow is allowed", 0, [] { Real(1e-200) * 1e-200; }},
      {"an infinity read from text", 6, [] { Real{std::numeric_limits<double>::infinity()}; }},
      {"2^1024", 6, [] { power(2, 1024); }},
      {"(-8)^(1/3)", 5, [] { power(-8, Real(1) / 3); }},
      {"(-2)^3", 0, [] { power(-2, 3); }},
      {"0^-1", 11, [] { power(0, -1); }},
      {"sqrt(-1)", 5, [] { squareRoot(-1); }},
      {"log(0)", 5, [] { logarithm(0); }},
      {"log(-1)", 5, [] { logarithm(-1); }},
  };
  for (const Case& c : cases)
    EXPECT_EQ(errorOf(c.action), c.error) << c.what;
}

TEST(GuardedDouble, ValuesAndPi) {
  EXPECT_EQ(power(2, 10).value(), 1024);
  EXPECT_EQ(power(0, 0).value(), 1);
  EXPECT_EQ(power(-2, 3).value(), -8);
  std::uint64_t bits;
  std::memcpy(&bits, &kPi, sizeof bits);
  EXPECT_EQ(bits, 0x400921FB54442D11u);
}

TEST(GuardedIntegers, SixteenAndThirtyTwoBits) {
  EXPECT_EQ(errorOf([] { Int16(32767) + 1; }), 6);
  EXPECT_EQ(errorOf([] { Int16(-32768) - 1; }), 6);
  EXPECT_EQ(errorOf([] { Int16(200) * 200; }), 6);
  EXPECT_EQ(errorOf([] { -Int16(-32768); }), 6);
  EXPECT_EQ(errorOf([] { Int16(-32768) % -1; }), 0);
  EXPECT_EQ(errorOf([] { Int16(5) % 0; }), 11);
  EXPECT_EQ(errorOf([] { Int32(46341) * 46342; }), 6);
  EXPECT_EQ((Int32(46340) * 46341).value(), 2147441940);
  EXPECT_EQ((Int16(-4) % 6).value(), -4);
  EXPECT_EQ((Int16(6) % -4).value(), 2);
  Int16 i = 32766;
  ++i;
  EXPECT_EQ(i.value(), 32767);
  EXPECT_EQ(errorOf([&] { ++i; }), 6);
}

}  // namespace
}  // namespace vorlinde
