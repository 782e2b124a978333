#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/outcome.h"

namespace vorlinde {
namespace {

using test::outcome;

TEST(NumberText, FifteenDigitsAndTheExponentRules) {
  const double largest = std::numeric_limits<double>::max();
  struct Case {
    double value;
    const char* text;
    const char* padded;
  } cases[] = {
      {1.0 / 3, "0.333333333333333", " .333333333333333"},
      {1e15, "1E+15", " 1E+15"},
      {123456789012345, "123456789012345", " 123456789012345"},
      {999999999999999.9, "1E+15", " 1E+15"},
      {1234567890123456, "1.23456789012346E+15", " 1.23456789012346E+15"},
      {0.00001, "1E-05", " 1E-05"},
      {0.0001, "0.0001", " .0001"},
      {-0.0, "0", " 0"},
      {-7.5, "-7.5", "-7.5"},
      {-0.5, "-0.5", "-.5"},
      {4.9e-324, "4.94065645841247E-324", " 4.94065645841247E-324"},
      {largest, "1.79769313486232E+308", " 1.79769313486232E+308"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(numberText(c.value), c.text) << c.value;
    EXPECT_EQ(paddedText(c.value), c.padded) << c.value;
  }
  // Digits rounded elsewhere: exponents past the doubles', and no digits for 0.
  EXPECT_EQ(numberText(SignificantDigits{true, "1", -100000}), "-1E-100000");
  EXPECT_EQ(numberText(SignificantDigits{false, "25", INT64_C(4342944813)}), "2.5E+4342944813");
  EXPECT_EQ(numberText(SignificantDigits{false, "", -1}), "0");
  EXPECT_EQ(numberText(2.5, {",", "."}), "2,5");
  EXPECT_EQ(paddedText(-2.5), "-2.5");  // the full stop whatever the locale
  // Every number shown reads back, the largest too, though it lies above the largest double.
  EXPECT_EQ(readDouble(numberText(largest)), largest);
  EXPECT_FALSE(isNumeric("1.79769313486233E+308"));
}

// One row a text: its value by strict reading in the C locale (the program's
// English and Chinese ones), in de_DE, and by lenient reading; "-" for a text the
// numeric test refuses there.
TEST(Reading, PerLocaleAndInputForm) {
  const NumberFormat german{",", "."};
  const auto strict = [](const char* text, const NumberFormat& f) {
    return outcome([&] { return numberText(readDouble(text, f)); });
  };
  struct Case {
    const char* text;
    const char* c;
    const char* de;
    double lenient;
  } cases[] = {
      {"1,5", "-", "1.5", 1},
      {"1.5", "1.5", "-", 1.5},
      {"1,000", "1000", "1", 1},
      {"1.500", "1.5", "1500", 1.5},
      {"12,345,678.5", "12345678.5", "-", 12},
      {"12.345.678,5", "-", "12345678.5", 12.345},
      {"1,00", "-", "1", 1},
      {"1234,567", "-", "1234.567", 1234},
      {",1", "-", "0.1", 0},
      {"1,000.5,0", "-", "-", 1},
      {"1.5e-3", "0.0015", "-", 0.0015},
      {" +12 ", "12", "12", 12},
      {"-.5", "-0.5", "-", -0.5},
      {"5.", "5", "-", 5},
      {"1D3", "1000", "1000", 1000},
      {"１２．５", "12.5", "-", 12.5},
      {"－３", "-3", "-3", -3},
      {"\u22123", "-3", "-3", -3},
      {"3。5", "3.5", "3.5", 3.5},
      {"\u3000１Ｅ２\u3000", "100", "100", 100},
      {"", "-", "-", 0},
      {"1 2", "-", "-", 12},
      {"\t12", "-", "-", 12},
      {"&H1F", "-", "-", 31},
      {"&o7779", "-", "-", 511},
      {" - 3 . 5 e 2x", "-", "-", -350},
      {"1e400", "-", "-", INFINITY},
      {"1e-400", "0", "0", 0},
      {"12.5cm", "-", "-", 12.5},
      {"1.2.3", "-", "-", 1.2},
  };
  for (const Case& c : cases) {
    const auto refusedAs = [](const char* expected) {
      return std::string(expected) == "-" ? "error 13" : expected;
    };
    EXPECT_EQ(strict(c.text, {}), refusedAs(c.c)) << c.text;
    EXPECT_EQ(strict(c.text, german), refusedAs(c.de)) << c.text;
    EXPECT_EQ(isNumeric(c.text), std::string(c.c) != "-") << c.text;
    EXPECT_EQ(readLenient(c.text), c.lenient) << c.text;
  }
  const std::optional<TypedNumber> parts = strictParts(" -1,000.50D-3 ");
  EXPECT_TRUE(parts && parts->negative && parts->whole == "1000" && parts->fraction == "50" &&
              parts->exponent == "-3");
}

TEST(Reading, WholeNumbersRoundHalfToEvenWithinTheirRange) {
  struct Case {
    const char* text;
    const char* int16;
    const char* int32;
  } cases[] = {
      {"2.5", "2", "2"},
      {"3.5", "4", "4"},
      {"-2.5", "-2", "-2"},
      {"32767.49", "32767", "32767"},
      {"32767.5", "error 6", "32768"},
      {"-32768.5", "-32768", "-32768"},
      {"-32769", "error 6", "-32769"},
      {"2147483647.5", "error 6", "error 6"},
      {"abc", "error 13", "error 13"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(outcome([&] { return numberText(readInt16(c.text)); }), c.int16) << c.text;
    EXPECT_EQ(outcome([&] { return numberText(readInt32(c.text)); }), c.int32) << c.text;
    if (isNumeric(c.text)) {
      EXPECT_EQ(fitsInt16(readDouble(c.text)), std::string(c.int16) != "error 6") << c.text;
    }
  }
  EXPECT_EQ(wholePart(-2.5), -3);
  EXPECT_EQ(outcome([] { return numberText(roundToInt16(NAN)); }), "error 6");
}

}  // namespace
}  // namespace vorlinde
