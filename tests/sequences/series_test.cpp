#include "sequences/series.h"

#include <gtest/gtest.h>

#include <functional>

#include "shell/runtime_error.h"

namespace vorlinde {
namespace {

using Labels2 = std::array<std::string, 2>;
using Labels7 = std::array<std::string, 7>;

// The error number a computation raised, or 0 when it returned.
int errorOf(const std::function<void()>& run) {
  try {
    run();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(ArithmeticPanel, TermAndSum) {
  struct Case {
    const char *a1, *d, *n;
    Labels2 shown;
  } cases[] = {
      {"1", "2", "10", {"19", "100"}},
      {"0.5", "0.1", "10", {"1.4", "9.5"}},
      {"1", "2", "0", {"-1", "0"}},
      {"1", "2", "-1", {"-3", "1"}},
      {"1", "2", "-2", {"-5", "4"}},
      {"1", "2", "2.5", {"3", "4"}},  // a half goes to the even neighbour
      {"1", "2", "3.5", {"7", "16"}},
      {"1", "2", "-2.5", {"-5", "4"}},
      {"1", "2", "32767", {"65533", "1073676289"}},
      {"1", "2", "-32767", {"-65535", "1073676289"}},
      {"-3.5", "0.25", "7", {"-2", "-19.25"}},
      {" 1,000 ", "1E1", "2", {"1010", "2010"}},
      {"1E300", "1E300", "9", {"9E+300", "4.5E+301"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(arithmeticPanel(c.a1, c.d, c.n), c.shown) << c.a1 << " " << c.d << " " << c.n;
}

TEST(GeometricPanel, TermAndSum) {
  struct Case {
    const char *a1, *q, *n;
    Labels2 shown;
  } cases[] = {
      {"1", "2", "10", {"512", "1023"}},
      {"1", "0.5", "3", {"0.25", "1.75"}},
      {"3", "-2", "5", {"48", "33"}},
      {"2", "-0.5", "7", {"0.03125", "1.34375"}},
      {"1", "-1", "4", {"-1", "0"}},  // the sum is a negative zero
      {"1", "2", "0", {"0.5", "0"}},
      {"1", "2", "-1", {"0.25", "-0.5"}},
      {"1", "2", "-2", {"0.125", "-0.75"}},
      {"1", "2", "2.5", {"2", "3"}},
      {"1", "2", "3.5", {"8", "15"}},
      {"1", "0", "1", {"1", "1"}},
      {"1", "1.0000001", "10", {"1.00000090000036", "10.0000045008441"}},
      {"1", "0.999", "32767", {"5.79144868361265E-15", "999.999999999993"}},
      {"1", "2", "1023", {"4.49423283715579E+307", "8.98846567431158E+307"}},
      // Exactly the double 1, however it is written, is refused in the labels;
      // n is read first, but n - 1 comes after the refusal.
      {"1", "1", "10", {"对不起，", "q不能等于1！"}},
      {"1", "1.0", "10", {"对不起，", "q不能等于1！"}},
      {"1", "1E0", "10", {"对不起，", "q不能等于1！"}},
      {"7", " +1.000 ", "-32768", {"对不起，", "q不能等于1！"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(geometricPanel(c.a1, c.q, c.n), c.shown) << c.a1 << " " << c.q << " " << c.n;
}

TEST(SequencePanels, RunTimeErrors) {
  struct Case {
    const char* what;
    std::function<void()> run;
    int error;
  } cases[] = {
      {"n beyond 16 bits", [] { arithmeticPanel("1", "2", "40000"); }, 6},
      {"32767.5 rounds to 32768", [] { arithmeticPanel("1", "2", "32767.5"); }, 6},
      {"n - 1 below 16 bits", [] { arithmeticPanel("1", "2", "-32768"); }, 6},
      {"term overflows", [] { arithmeticPanel("1", "1E308", "3"); }, 6},
      {"sum overflows", [] { arithmeticPanel("1E308", "0", "4"); }, 6},
      {"text is no number", [] { arithmeticPanel("", "2", "3"); }, 13},
      {"geometric n beyond 16 bits", [] { geometricPanel("1", "2", "40000"); }, 6},
      {"q = 1 does not save an n beyond 16 bits", [] { geometricPanel("1", "1", "40000"); }, 6},
      {"geometric n - 1 below 16 bits", [] { geometricPanel("1", "2", "-32768"); }, 6},
      {"power overflows", [] { geometricPanel("1", "10", "400"); }, 6},
      {"term times a1 overflows", [] { geometricPanel("1E300", "10", "20"); }, 6},
      {"sum overflows", [] { geometricPanel("1", "2", "1024"); }, 6},
      {"zero to a negative power", [] { geometricPanel("1", "0", "0"); }, 11},
  };
  for (const Case& c : cases)
    EXPECT_EQ(errorOf(c.run), c.error) << c.what;
}

TEST(SpecialSeriesPanel, SevenSums) {
  struct Case {
    const char* n;
    Labels7 shown;
  } cases[] = {
      {"1", {"1", "1", "2", "1", "1", "2", "0.5"}},
      {"10", {"55", "100", "110", "385", "3025", "440", "0.909090909090909"}},
      {"100", {"5050", "10000", "10100", "338350", "25502500", "343400", "0.99009900990099"}},
      {"46340",
       {"1073720970", "2147395600", "2147441940", "33171177740190", "1.15287672141774E+18",
        "33172251461160", "0.99997842083684"}},
      {"46340.5",
       {"1073720970", "2147395600", "2147441940", "33171177740190", "1.15287672141774E+18",
        "33172251461160", "0.99997842083684"}},
      {"-46341",
       {"1073720970", "2147488281", "2147441940", "-33171177740190", "1.15287672141774E+18",
        "-33170104019220", "1.00002157962883"}},
      {"0", {"0", "0", "0", "0", "0", "0", "0"}},
      {"-0.5", {"0", "0", "0", "0", "0", "0", "0"}},
      {"-2", {"1", "4", "2", "-1", "1", "0", "2"}},
      {"2.5", {"3", "4", "6", "5", "9", "8", "0.666666666666667"}},
      {"3.5", {"10", "16", "20", "30", "100", "40", "0.8"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(specialSeriesPanel(c.n), c.shown) << c.n;
}

// The divisions by 6 and by 3 come first; dividing last would give the exact
// whole numbers here, so the last bits tell the grouping apart.
TEST(SpecialSeriesPanel, GroupingDecidesTheLastBits) {
  struct Case {
    int n;
    double squares, products;
  } cases[] = {
      {10, 385.00000000000006, 440.00000000000006},
      {4, 29.999999999999996, 40},
      {46339, 33169030344590.004, 33170104019220.004},
  };
  for (const Case& c : cases) {
    std::array<double, 7> sums = specialSums(c.n);
    EXPECT_EQ(sums[3], c.squares) << c.n;
    EXPECT_EQ(sums[5], c.products) << c.n;
  }
}

TEST(SpecialSeriesPanel, RunTimeErrors) {
  struct Case {
    const char* n;
    int error;
  } cases[] = {
      {"46341", 6}, {"-46342", 6}, {"2147483648", 6}, {"1E10", 6}, {"-1", 11}, {"abc", 13},
  };
  for (const Case& c : cases)
    EXPECT_EQ(errorOf([&] { specialSeriesPanel(c.n); }), c.error) << c.n;
}

}  // namespace
}  // namespace vorlinde
