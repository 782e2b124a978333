#include "exact/notation.h"

#include <gtest/gtest.h>

namespace vorlinde::notation {
using R = Run;
namespace {

TEST(Notation, PlainTextReadsAsTheTextbookWritesIt) {
  struct Case {
    std::string markup;
    const char* plain;
  } cases[] = {
      {frac("3+" + root("5"), "2"), "(3+√5)/2"},
      {"-" + frac(root("2"), "2"), "-√2/2"},
      {root("36×2"), "√(36×2)"},
      {"2" + sup("3") + "×3" + sup("2") + "×5", "2³×3²×5"},
      {"a" + sub("n") + " = a" + sub("1") + "q" + sup("n-1"), "aₙ = a₁qⁿ⁻¹"},
      {"2" + sup("1.5"), "2^1.5"},
      {"m" + sup("-0.5"), "m^(-0.5)"},
      {frac(frac("1", "2"), "3"), "(1/2)/3"},
      {frac("9π", "2"), "9π/2"},
      {root(frac("1", "2")), "√(1/2)"},
      {frac(root("1×2"), "2"), "√(1×2)/2"},
      {frac("1", "-2"), "1/(-2)"},
      {frac("(1+2)×3", "4"), "((1+2)×3)/4"},
      {literal("12\uE000cm"), "12cm"},
      {literal("x\uE006y"), "xy"},
      {var("x") + " = " + frac("-" + var("b"), "2" + var("a")), "x = -b/2a"},
      {var("q") + sup(var("n") + "-1"), "qⁿ⁻¹"},
      {formula("lg m = " + frac("ln m", "ln 10")), "lg m = (ln m)/(ln 10)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(plain(c.markup), c.plain) << c.plain;
}

TEST(Notation, RunsSayWhatTheTypesetFormHides) {
  EXPECT_EQ(runs("x = " + frac("3+" + root("5"), "2")),
            (std::vector<R>{{"x = "},
                            {"(", Place::Numerator, 0, true},
                            {"3+", Place::Numerator, 0},
                            {"√", Place::Numerator, 0, false, true},
                            {"5", Place::Numerator, 0, false, false, 1},
                            {")", Place::Numerator, 0, true},
                            {"/", Place::Line, 0, true},
                            {"2", Place::Denominator, 0}}));
  const std::vector<R> raised = runs("2" + sup("1.5"));
  ASSERT_EQ(raised.size(), 3u);
  EXPECT_TRUE(raised[1].hidden);
  EXPECT_EQ(raised[2].shift, 1);
}

// Each run's text with "*" after it where it belongs to a variable.
std::string variables(const std::string& markup) {
  std::string out;
  for (const Run& r : runs(markup))
    out += r.text + (r.variable ? "*" : "") + "|";
  return out;
}

TEST(Notation, VariablesAreMarkedAndFunctionNamesAreNot) {
  const struct {
    std::string markup;
    const char* runs;
  } cases[] = {
      {formula("sin α = 1/cos α"), "sin |α*| = 1/cos |α*|"},
      {formula("lg m + ln x + tan"), "lg |m*| + ln |x*| + tan|"},
      {formula("S = πr" + sup("2") + "h"), "S*| = π|r*|²|h*|"},
      {formula("Δ = b" + sup("2") + " - 4ac"), "Δ = |b*|² - 4|ac*|"},
      {formula("a" + sub("n") + " = a" + sub("1") + "q" + sup("n-1")), "aₙ*| = |a*|₁|qⁿ*|⁻¹|"},
      {formula("母线 l，前 n 项"), "母线 |l*|，前 |n*| 项|"},
      {var("x") + sup("1.5"), "x*|^|1.5|"},
      {"x" + var(sub("n")), "x|ₙ*|"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(variables(c.markup), c.runs) << plain(c.markup);
  }
}

}  // namespace
}  // namespace vorlinde::notation
