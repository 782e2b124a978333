#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "exact/exact.h"
#include "exact/notation.h"
#include "exact/surd_sum.h"

namespace vorlinde::exact {
namespace {

Rational q(const std::string& text) {
  Rational value(text);
  value.canonicalize();
  return value;
}
Surd s(const std::string& a, const std::string& b, long d) {
  return Surd(q(a), q(b), d);
}

TEST(Surd, TextbookFormAndFifteenDigits) {
  struct Case {
    Surd value;
    const char* text;
    const char* decimal;
  } cases[] = {
      {Surd::sqrt(8), "2√2", "2.82842712474619"},
      {Surd::sqrt(q("1/2")), "√2/2", "0.707106781186548"},
      {Surd::sqrt(q("9/4")), "3/2", "1.5"},
      {Surd::sqrt(0), "0", "0"},
      {s("0", "-1/3", 12), "-2√3/3", "-1.15470053837925"},
      {s("0", "6", 2), "6√2", "8.48528137423857"},
      {s("0", "-1/2", 2), "-√2/2", "-0.707106781186548"},
      {s("0", "1/3", 3), "√3/3", "0.577350269189626"},
      {s("3/2", "1/2", 5), "(3+√5)/2", "2.61803398874989"},
      {s("3/2", "-1/2", 5), "(3-√5)/2", "0.381966011250105"},
      {s("-3/2", "-1/2", 5), "(-3-√5)/2", "-2.61803398874989"},
      {s("2", "1", 3), "2+√3", "3.73205080756888"},
      {s("1", "-1", 8), "1-2√2", "-1.82842712474619"},
      {s("1/3", "2/3", 3), "(1+2√3)/3", "1.48803387171258"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(notation::plain(c.value.text()), c.text);
    EXPECT_EQ(c.value.decimal({}).text, c.decimal) << c.text;
    EXPECT_EQ(c.value.decimal({}).exact, c.value.isRational()) << c.text;
  }
  // About 5×10⁻⁷⁰⁰¹: more digits cancel than the bounds ever narrow to.
  const Rational big = power(10, 7000, 7001).value();
  EXPECT_EQ((Surd(big) - Surd::sqrt(big * big - 1)).decimal({}).text, "5E-7001");
}

TEST(Surd, ArithmeticStaysExact) {
  const Surd x1 = s("3/2", "1/2", 5), x2 = s("3/2", "-1/2", 5);  // the roots of x²-3x+1
  const Surd r2 = Surd::sqrt(2), r3 = Surd::sqrt(3);
  struct Case {
    Surd value;
    const char* text;
    int sign;
  } cases[] = {
      {x1 + x2, "3", 1},
      {x1 * x2, "1", 1},
      {x2 - x1, "-√5", -1},
      {x1 / x2, "(7+3√5)/2", 1},
      {r2 * r3, "√6", 1},
      {Surd::sqrt(6) / r2, "√3", 1},
      {(1 + r2) / r2, "(2+√2)/2", 1},
      {(1 - r2) * (1 + r2), "-1", -1},
      {r2 - 1, "-1+√2", 1},
      {1 - r2, "1-√2", -1},
      {r2 / 3 - r2 / 3, "0", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(notation::plain(c.value.text()), c.text);
    EXPECT_EQ(c.value.sign(), c.sign) << c.text;
  }
  EXPECT_THROW(r2 + r3, std::domain_error);
  EXPECT_THROW((1 + r2) * (1 + r3), std::domain_error);
  EXPECT_THROW(r2 / (r2 - r2), std::domain_error);
  EXPECT_THROW(Surd::sqrt(-1), std::domain_error);
  EXPECT_DOUBLE_EQ(x1.approx(), 2.6180339887498949);
}

TEST(SurdSum, ClosedUnderTheFourOperationsWithRationalisedDenominators) {
  const SurdSum r2 = Surd::sqrt(2), r3 = Surd::sqrt(3), r5 = Surd::sqrt(5), r6 = Surd::sqrt(6);
  // About 5×10⁻²²: closer to 0 than the first bounds tell.
  const Integer a("1000000000000000000000");
  const SurdSum nearlyZero = Surd(-a, 1, Integer(a * a + 1));
  struct Case {
    SurdSum value;
    const char* text;
    const char* decimal;
  } cases[] = {
      {r2 * r3 / 4 - r2 / 4, "(√6-√2)/4", "0.258819045102521"},
      {(r2 - r6) / 4, "(√2-√6)/4", "-0.258819045102521"},
      {4 / (r6 - r2), "√6+√2", "3.86370330515627"},
      {(1 - r3 / 3) / (1 + r3 / 3), "2-√3", "0.267949192431123"},
      {-1 / (r6 - r2) * 4, "-√6-√2", "-3.86370330515627"},
      {(1 + r2) * (1 + r3), "1+√6+√3+√2", "6.59575411272515"},
      {1 / (r2 + r3 + r5), "(2√3+3√2-√30)/12", "0.185793060600448"},
      {(r2 + r3) * (r2 - r3), "-1", "-1"},
      {2 / ((1 + r2) * (1 + r3)), "1+√6-√3-√2", "0.303225372841206"},
      {r6 / r2 - r3 + r2 / 2, "√2/2", "0.707106781186548"},
      {nearlyZero,
       "-10²¹+"
       "√100\u200900000\u200900000\u200900000\u200900000\u200900000\u200900000\u200900000\u20090000"
       "1",
       "5E-22"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(notation::plain(c.value.text()), c.text);
    EXPECT_EQ(c.value.decimal({}).text, c.decimal) << c.text;
    EXPECT_EQ(c.value.sign(), c.decimal[0] == '-' ? -1 : 1) << c.text;
    EXPECT_EQ(c.value * (1 / c.value), SurdSum(1)) << c.text;
  }
  EXPECT_EQ(SurdSum(r2 - r2).sign(), 0);
  EXPECT_THROW(r2 / (r3 - r3), std::domain_error);
}

TEST(PiMultiple, TextAndDecimal) {
  struct Case {
    Rational k;
    const char* text;
    const char* decimal;
  } cases[] = {
      {9, "9π", "28.2743338823081"},
      {q("9/2"), "9π/2", "14.1371669411541"},
      {q("1/6"), "π/6", "0.523598775598299"},
      {q("-1/2"), "-π/2", "-1.5707963267949"},
      {q("2/3"), "2π/3", "2.0943951023932"},
      {1, "π", "3.14159265358979"},
      {0, "0", "0"},
      {q("100000000000000000000"), "10²⁰π", "3.14159265358979E+20"},
  };
  for (const Case& c : cases) {
    const PiMultiple x(c.k);
    EXPECT_EQ(notation::plain(x.text()), c.text);
    EXPECT_EQ(x.decimal({}).text, c.decimal) << c.text;
    EXPECT_EQ(x.decimal({}).exact, c.k == 0) << c.text;
  }
}

TEST(Shown, ExactFormThenTheDecimalInWordsPastAThousandDigits) {
  const Integer twoTo32767 = Integer(1) << 32767;  // 9864 digits
  const std::string thousand = "1" + std::string(998, '0') + "1";
  const auto of = [](const Rational& x) { return show(x, {}); };
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {of(q("3/2")).text(), "3/2 = 1.5"},
      {of(q("-3")).text(), "-3"},
      {of(q("1/3")).text(), "1/3 ≈ 0.333333333333333"},
      {show(s("0", "6", 2), {}).text(), "6√2 ≈ 8.48528137423857"},
      {show(Surd::sqrt(q("9/4")), {",", "."}).text(), "3/2 = 1,5"},
      {show(PiMultiple(0), {}).text(), "0"},
      {show(PiMultiple(q("1/2")), {}).text(), "π/2 ≈ 1.5707963267949"},
      {of(Rational(twoTo32767)).text(), "一个 9864 位数 ≈ 7.07730515522477E+9863"},
      {of(Rational(-twoTo32767)).text(), "-(一个 9864 位数) ≈ -7.07730515522477E+9863"},
      {of(Rational(Integer(1), twoTo32767)).text(), "1/(一个 9864 位数) ≈ 1.41296719311553E-9864"},
      {of(q(thousand + "0")).text(), "一个 1001 位数 ≈ 1E+1000"},
      {of(q("1" + std::string(1000, '0'))).text(), "10¹⁰⁰⁰"},
      {of(q("1/1" + std::string(300, '0'))).text(), "10⁻³⁰⁰"},
      {of(q("3/2")).named("x"), "x = 3/2 = 1.5"},
      {showDecimal({"4.27666611901606", false}).named("ln m"), "ln m ≈ 4.27666611901606"},
      {text(twoTo32767, {",", "."}), "一个 9864 位数，约为 7,07730515522477E+9863"},
      {text(Integer(-Integer(thousand + "0")), {}), "-(一个 1001 位数)，约为 -1E+1000"},
      {text(Rational(Integer(-3), twoTo32767), {}), "-3/(一个 9864 位数)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(notation::plain(c.text), c.expected);
  EXPECT_TRUE(of(q("1/3")).approximate);
  EXPECT_FALSE(of(q("3/2")).approximate);
}

TEST(Written, PowersOfTenShortAndLongNumbersInGroupsOfFive) {
  const std::string zeros(300, '0');
  const auto plainText = [](const Rational& x, const NumberFormat& f = {}) {
    return notation::plain(text(x, f));
  };
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {plainText(q("1" + zeros)), "10³⁰⁰"},
      {plainText(q("-1" + zeros)), "-10³⁰⁰"},
      {plainText(q("1/1" + zeros)), "10⁻³⁰⁰"},
      {plainText(q("35" + std::string(39, '0'))), "3.5×10⁴⁰"},
      {plainText(q("35" + std::string(39, '0')), {",", "."}), "3,5×10⁴⁰"},
      {plainText(q("123456789012345" + std::string(6, '0'))), "1.23456789012345×10²⁰"},
      {plainText(q("3/2" + std::string(25, '0'))), "1.5×10⁻²⁵"},
      {plainText(q("1/1" + std::string(20, '0'))), "10⁻²⁰"},
      {plainText(q("1/931322574615478515625")), "1.073741824×10⁻²¹"},  // 1/5³⁰
      // Short of 10²⁰, or with a sixteenth digit, the number is written out.
      {plainText(q("1" + std::string(19, '0'))), "10000000000000000000"},
      {plainText(q("1/1" + std::string(19, '0'))), "1/10000000000000000000"},
      {plainText(q("1234567890123456" + std::string(5, '0'))), "123456789012345600000"},
      {plainText(q("3/7" + zeros)), "3/(7×10³⁰⁰)"},
      {plainText(q("1" + zeros + "/7")), "10³⁰⁰/7"},
      {plainText(Rational(Integer(1), Integer(1) << 70)), "1/1180591620717411303424"},
      {plainText(q("123456789012345678901234567890")), "123456789012345678901234567890"},
      {plainText(q("-1234567890123456789012345678901")),
       "-1\u200923456\u200978901\u200923456\u200978901\u200923456\u200978901"},
      {plainText(q("1/12345678901234567890123456789012")),
       "1/12\u200934567\u200989012\u200934567\u200989012\u200934567\u200989012"},
      {notation::plain(Surd(0, q("1" + zeros), 2).text()), "10³⁰⁰√2"},
      {notation::plain(Surd(q("1/1" + zeros), 1, 2).text()), "(1+10³⁰⁰√2)/10³⁰⁰"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.text, c.expected);
}

}  // namespace
}  // namespace vorlinde::exact
