#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/runtime_error.h"
#include "support/error_number.h"

namespace vorlinde {
namespace {

using test::errorOf;

TEST(NumberText, FifteenDigitsAndTheExponentRules) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {1e15, "1E+15"},
      {100, "100"},
      {6402373705728000, "6.402373705728E+15"},
      {0.00001, "1E-05"},
      {0.0001, "0.0001"},
      {-0.0, "0"},
      {0, "0"},
      {0.5, "0.5"},
      {-7.5, "-7.5"},
      {123456789012345, "123456789012345"},
      {999999999999999.9, "1E+15"},
      {1234567890123456, "1.23456789012346E+15"},
      {7.257415615307994e306, "7.25741561530799E+306"},
      {1e308, "1E+308"},
      {1.6e-15, "1.6E-15"},
      {2.43290200817664e18, "2.43290200817664E+18"},
      {0.000123, "0.000123"},
      {-1e-300, "-1E-300"},
      {4.9e-324, "4.94065645841247E-324"},
      {std::sqrt(2.0), "1.4142135623731"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, IntegersAsPlainDigits) {
  EXPECT_EQ(numberText(std::int32_t{-32768}), "-32768");
  EXPECT_EQ(numberText(std::int32_t{2147483647}), "2147483647");
}

TEST(PaddedText, SignPositionAndNoLeadingZero) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {7, " 7"},
      {12, " 12"},
      {-3, "-3"},
      {0, " 0"},
      {-0.0, " 0"},
      {0.5, " .5"},
      {-0.5, "-.5"},
      {1.0 / 3, " .333333333333333"},
      {1e20, " 1E+20"},
      {0.00001, " 1E-05"},
      {123456.7, " 123456.7"},
      {32767, " 32767"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(paddedText(c.value), c.text) << c.value;
}

TEST(NumericTest, WhatCountsAsANumber) {
  struct Case {
    const char* text;
    bool numeric;
  } cases[] = {
      {"1,000", true},  {" 12 ", true},  {"1 2", false},        {"12a", false},   {"1e5", true},
      {"", false},      {"-", false},    {".", false},          {"   ", false},   {"+5", true},
      {"-.5", true},    {"5.", true},    {"1.5e-3", true},      {"1E", false},    {"e5", false},
      {"1D3", true},    {"&H1F", false}, {",1", false},         {"1,", false},    {"1,,0", false},
      {"1.5,0", false}, {"--1", false},  {"1e400", false},      {"1e-400", true}, {"数字", false},
      {"１２", true},   {"\t12", false}, {"1,234,567.5", true}, {"inf", false},   {"nan", false},
      {"0x10", false},  {"12-", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(isNumeric(c.text), c.numeric) << '"' << c.text << '"';
}

TEST(LenientReading, LongestNumericPrefix) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"12.5cm", 12.5}, {"abc", 0},        {"1 000", 1000}, {"", 0},        {"3,5", 3},
      {"&H1F", 31},     {"&hff", 255},     {"&O777", 511},  {"&H", 0},      {"1D3", 1000},
      {"1d-2", 0.01},   {"-.5", -0.5},     {"+7", 7},       {"1e", 1},      {"1e+", 1},
      {"1\t2\n3", 123}, {" - 4", -4},      {"12-3", 12},    {"1.2.3", 1.2}, {".", 0},
      {"-", 0},         {"&H7FFF", 32767}, {"1E5x", 1e5},   {"数字12", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(readLenient(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isinf(readLenient("1E400")));
}

TEST(StrictReading, DoublesAndErrors) {
  EXPECT_EQ(readDouble("1,000"), 1000);
  EXPECT_EQ(readDouble(" -2.5E1 "), -25);
  EXPECT_EQ(readDouble("0.1"), 0.1);
  EXPECT_EQ(errorOf([] { readDouble(""); }), 13);
  EXPECT_EQ(errorOf([] { readDouble("12a"); }), 13);
  EXPECT_EQ(errorOf([] { readDouble("1e400"); }), 13);
}

TEST(StrictReading, TheLargestNumberShownReadsBack) {
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(numberText(largest), "1.79769313486232E+308");
  EXPECT_EQ(readDouble(numberText(largest)), largest);
  EXPECT_EQ(readDouble(numberText(-largest)), -largest);
  EXPECT_FALSE(isNumeric("1.79769313486233E+308"));
}

TEST(StrictReading, IntegersRoundHalfToEven) {
  struct Case {
    const char* text;
    int value;  // 0 with error
    int error;
  } cases[] = {
      {"2.5", 2, 0},           {"3.5", 4, 0},          {"-2.5", -2, 0}, {"-3.5", -4, 0},
      {"32767.5", 0, 6},       {"32767.49", 32767, 0}, {"40000", 0, 6}, {"-32768", -32768, 0},
      {"-32768.5", -32768, 0}, {"-32769", 0, 6},       {"1E5", 0, 6},   {"abc", 0, 13},
      {"0.5", 0, 0},           {"1.5", 2, 0},
  };
  for (const Case& c : cases) {
    int value = 0;
    EXPECT_EQ(errorOf([&] { value = readInt16(c.text); }), c.error) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  EXPECT_EQ(readInt32("2147483647"), 2147483647);
  EXPECT_EQ(readInt32("46340.5"), 46340);
  EXPECT_EQ(errorOf([] { readInt32("2147483647.5"); }), 6);
}

TEST(Rounding, WholePartAndIntegers) {
  EXPECT_EQ(wholePart(-2.5), -3);
  EXPECT_EQ(wholePart(2.9), 2);
  EXPECT_EQ(roundToInt16(-0.5), 0);
  EXPECT_EQ(errorOf([] { roundToInt16(NAN); }), 6);
  EXPECT_EQ(errorOf([] { roundToInt16(INFINITY); }), 6);
}

}  // namespace
}  // namespace vorlinde
