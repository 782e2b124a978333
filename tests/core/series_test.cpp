#include "core/series.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/runtime_error.h"

namespace vorlinde {
namespace {

using Labels7 = std::array<std::string, 7>;

TEST(SequencePanels, TermAndSum) {
  const auto arithmetic = &arithmeticPanel;
  const auto geometric = &geometricPanel;
  struct Case {
    decltype(arithmetic) panel;
    const char *a1, *step, *n;
    std::array<std::string, 2> shown;
  } cases[] = {
      {arithmetic, "1", "2", "10", {"19", "100"}},
      {arithmetic, "0.5", "0.1", "10", {"1.4", "9.5"}},
      {arithmetic, "1", "2", "0", {"-1", "0"}},
      {arithmetic, "1", "2", "-1", {"-3", "1"}},
      {arithmetic, "1", "2", "-2", {"-5", "4"}},
      {arithmetic, "1", "2", "2.5", {"3", "4"}},  // a half goes to the even neighbour
      {arithmetic, "1", "2", "3.5", {"7", "16"}},
      {arithmetic, "1", "2", "32767", {"65533", "1073676289"}},
      {arithmetic, "1", "2", "-32767", {"-65535", "1073676289"}},
      {arithmetic, " 1,000 ", "1E1", "2", {"1010", "2010"}},
      {geometric, "1", "2", "10", {"512", "1023"}},
      {geometric, "1", "0.5", "3", {"0.25", "1.75"}},
      {geometric, "3", "-2", "5", {"48", "33"}},
      {geometric, "1", "-1", "4", {"-1", "0"}},  // the sum is a negative zero
      {geometric, "1", "2", "0", {"0.5", "0"}},
      {geometric, "1", "2", "-1", {"0.25", "-0.5"}},
      {geometric, "1", "2", "-2", {"0.125", "-0.75"}},
      {geometric, "1", "2", "2.5", {"2", "3"}},
      {geometric, "1", "2", "3.5", {"8", "15"}},
      {geometric, "1", "0", "1", {"1", "1"}},
      {geometric, "1", "1.0000001", "10", {"1.00000090000036", "10.0000045008441"}},
      {geometric, "1", "0.999", "32767", {"5.79144868361265E-15", "999.999999999993"}},
      {geometric, "1", "2", "1023", {"4.49423283715579E+307", "8.98846567431158E+307"}},
      // Exactly the double 1, however it is written, is refused in the labels;
      // n is read first, but n - 1 comes after the refusal.
      {geometric, "1", "1", "10", {"对不起，", "q不能等于1！"}},
      {geometric, "1", "1.0", "10", {"对不起，", "q不能等于1！"}},
      {geometric, "1", "1E0", "10", {"对不起，", "q不能等于1！"}},
      {geometric, "7", " +1.000 ", "-32768", {"对不起，", "q不能等于1！"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.panel(c.a1, c.step, c.n), c.shown) << c.a1 << " " << c.step << " " << c.n;
}

TEST(SpecialSeriesPanel, SevenSums) {
  const Labels7 largest = {"1073720970",      "2147395600",           "2147441940",
                           "33171177740190",  "1.15287672141774E+18", "33172251461160",
                           "0.99997842083684"};
  struct Case {
    const char* n;
    Labels7 shown;
  } cases[] = {
      {"1", {"1", "1", "2", "1", "1", "2", "0.5"}},
      {"10", {"55", "100", "110", "385", "3025", "440", "0.909090909090909"}},
      {"100", {"5050", "10000", "10100", "338350", "25502500", "343400", "0.99009900990099"}},
      {"46340", largest},
      {"46340.5", largest},  // the half goes to the even 46340, the largest n accepted
      {"-46341",
       {"1073720970", "2147488281", "2147441940", "-33171177740190", "1.15287672141774E+18",
        "-33170104019220", "1.00002157962883"}},
      {"0", {"0", "0", "0", "0", "0", "0", "0"}},
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

TEST(SequencePanels, RunTimeErrors) {
  struct Case {
    const char* what;
    std::function<void()> run;
    int error;
  } cases[] = {
      {"n beyond 16 bits", [] { arithmeticPanel("1", "2", "40000"); }, 6},
      {"n - 1 below 16 bits", [] { arithmeticPanel("1", "2", "-32768"); }, 6},
      {"term overflows", [] { arithmeticPanel("1", "1E308", "3"); }, 6},
      {"sum overflows", [] { arithmeticPanel("1E308", "0", "4"); }, 6},
      // Halving before multiplying by n would give 1.6E+308.
      {"the sum is multiplied by n before it is halved", [] { arithmeticPanel("4E307", "0", "4"); },
       6},
      {"text is no number", [] { arithmeticPanel("", "2", "3"); }, 13},
      {"geometric n beyond 16 bits", [] { geometricPanel("1", "2", "40000"); }, 6},
      {"q = 1 does not save an n beyond 16 bits", [] { geometricPanel("1", "1", "40000"); }, 6},
      {"geometric n - 1 below 16 bits", [] { geometricPanel("1", "2", "-32768"); }, 6},
      {"power overflows", [] { geometricPanel("1", "10", "400"); }, 6},
      {"term times a1 overflows", [] { geometricPanel("1E300", "10", "20"); }, 6},
      {"geometric sum overflows", [] { geometricPanel("1", "2", "1024"); }, 6},
      {"zero to a negative power", [] { geometricPanel("1", "0", "0"); }, 11},
      {"n(n + 1) beyond 32 bits", [] { specialSeriesPanel("46341"); }, 6},
      {"n(n + 1) beyond 32 bits below", [] { specialSeriesPanel("-46342"); }, 6},
      {"n beyond 32 bits", [] { specialSeriesPanel("2147483648"); }, 6},
      {"n / (n + 1) for n = -1", [] { specialSeriesPanel("-1"); }, 11},
      {"special n is no number", [] { specialSeriesPanel("abc"); }, 13},
  };
  for (const Case& c : cases) {
    int error = 0;
    try {
      c.run();
    } catch (const RuntimeError& e) {
      error = e.number();
    }
    EXPECT_EQ(error, c.error) << c.what;
  }
}

}  // namespace
}  // namespace vorlinde
