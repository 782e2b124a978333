#include <gtest/gtest.h>

#include "core/factorization.h"
#include "core/trigonometry.h"
#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

// Textbook exercises and the window's edges, with the answer line each must end with
// (the panels' first exercises are clicked through the real windows by the program's
// tests).
const Written kCases[] = {
    // Prime factorization: a half rounds to the even neighbour, the box is read leniently.
    {PanelId::Factorization, "1024", "答：1024 = 2¹⁰"},
    {PanelId::Factorization, "32749", "答：32749 是素数"},
    {PanelId::Factorization, "2.5", "答：2 是素数"},
    {PanelId::Factorization, "3.5", "答：4 = 2²"},
    {PanelId::Factorization, "-32768", "答：-32768 = -(2¹⁵)"},
    {PanelId::Factorization, "1", "答：1 不能分解质因数"},
    {PanelId::Factorization, "_", "答：0 不能分解质因数"},
    // Factorial.
    {PanelId::Factorial, "5.5", "答：6! = 720"},
    {PanelId::Factorial, "4.5", "答：4! = 24"},
    {PanelId::Factorial, "-3", "答：负数没有阶乘"},
    {PanelId::Factorial, "32767", "答：32767! = 一个 133730 位数，约为 2.77492867931342E+133729"},
    // Greatest common divisor and least common multiple.
    {PanelId::DivisorAndMultiple, "1071 462", "答：最大公约数 = 21，最小公倍数 = 23562"},
    {PanelId::DivisorAndMultiple, "13.5 21", "答：最大公约数 = 7，最小公倍数 = 42"},
    {PanelId::DivisorAndMultiple, "0 18", "答：最大公约数 = 18，最小公倍数 = 0"},
    {PanelId::DivisorAndMultiple, "0 0", "答：0 和 0 没有最大公约数，最小公倍数 = 0"},
    {PanelId::DivisorAndMultiple, "32767 -32768", "答：最大公约数 = 1，最小公倍数 = 1073709056"},
    // Powers: whole exponents exactly, fractional ones as roots where they come out.
    {PanelId::Power, "2 -3", "答：mⁿ = 1/8 = 0.125"},
    {PanelId::Power, "-2 3", "答：mⁿ = -8"},
    {PanelId::Power, "16 0.75", "答：mⁿ = 8"},
    {PanelId::Power, "2 0.5", "答：mⁿ = √2 ≈ 1.4142135623731"},
    {PanelId::Power, "2 1.5", "答：mⁿ = 2√2 ≈ 2.82842712474619"},
    {PanelId::Power, "2 0.25", "答：mⁿ ≈ 1.18920711500272"},
    {PanelId::Power, "1.1 1234.25", "答：mⁿ ≈ 1.22721783031563E+51"},
    {PanelId::Power, "0 0", "答：0⁰ 没有意义"},
    {PanelId::Power, "0 -1", "答：0 的负数次幂没有意义"},
    {PanelId::Power, "-8 0.5", "答：负数的非整数次幂没有意义（不是实数）"},
    {PanelId::Power, "-1 1E300", "答：mⁿ = 1"},
    {PanelId::Power, "2 32767", "答：mⁿ = 一个 9864 位数 ≈ 7.07730515522477E+9863"},
    {PanelId::Power, "3 1000000", "答：mⁿ ≈ 1.79771011667574E+477121"},
    {PanelId::Power, "1E300 1E300", "答：mⁿ 约是一个 3E+302 位数"},
    // Square root in simplest form, the window's natural logarithm and the common one.
    {PanelId::RootAndLogarithm, "0.5",
     "答：√m = √2/2 ≈ 0.707106781186548，ln m ≈ -0.693147180559945，lg m ≈ -0.301029995663981"},
    {PanelId::RootAndLogarithm, "0.01", "答：√m = 1/10 = 0.1，ln m ≈ -4.60517018598809，lg m = -2"},
    {PanelId::RootAndLogarithm, "1", "答：√m = 1，ln m = 0，lg m = 0"},
    {PanelId::RootAndLogarithm, "0", "答：√m = 0，ln m 不存在，lg m 不存在"},
    {PanelId::RootAndLogarithm, "-4", "答：√m 不存在，ln m 不存在，lg m 不存在"},
    // Trigonometry: exact at the multiples of 30° and 45°, in the window's order.
    {PanelId::Trigonometry, "0",
     "答：α = 0，sin α = 0，cos α = 1，tan α = 0，cot α 不存在，sec α = 1，csc α 不存在"},
    {PanelId::Trigonometry, "630",
     "答：α = 7π/2 ≈ 10.9955742875643，sin α = -1，cos α = 0，tan α 不存在，cot α = 0，sec α "
     "不存在，csc α = -1"},
    {PanelId::Trigonometry, "-2.1",
     "答：α = -7π/600 ≈ -0.0366519142918809，sin α ≈ -0.0366437087065563，cos α ≈ "
     "0.999328393778656，tan α ≈ -0.0366683353887297，cot α ≈ -27.2714861309837，sec α ≈ "
     "1.0006720575794，csc α ≈ -27.2898141399394"},
};

// The ladder, Euclid's algorithm and the unit circle are drawn, every figure to scale.
TEST(AlgebraWorking, AnswersOfTextbookExercisesAndTheirFigures) {
  for (const Written& c : kCases) {
    const Working w = run(c.panel, words(c.texts));
    EXPECT_EQ(w.answer(), c.line) << panel(c.panel).key << " " << c.texts;
    const bool drawn = c.panel == PanelId::Factorization ||
                       c.panel == PanelId::DivisorAndMultiple || c.panel == PanelId::Trigonometry;
    EXPECT_TRUE(w.figure.empty() ? !drawn : drawable(w.figure)) << c.texts;
  }
}

TEST(AlgebraWorking, KeySteps) {
  const Written steps[] = {
      {PanelId::Factorization, "360", "360 = 2×2×2×3×3×5 = 2³×3²×5"},
      {PanelId::Factorization, "97",
       "只需用不大于 √97 ≈ 9.84 的质数去试除：2、3、5、7 都不能整除 97。"},
      {PanelId::Factorial, "170", "170! 共有 307 位，约为 7.257415615308E+306。"},
      {PanelId::DivisorAndMultiple, "1071 462", "1071\t=\t462 × 2\t+\t147"},
      {PanelId::DivisorAndMultiple, "1071 462",
       "最小公倍数 = 所有除数与最后两个商的积 = 3×7×51×22 = 23562"},
      // A common prime past 32 bits.
      {PanelId::DivisorAndMultiple, "999999999989 1999999999978", "1 和 2 互质，除到这里为止。"},
      {PanelId::Power, "1E20 2", "(10²⁰)² = 10²⁰×10²⁰ = 10⁴⁰"},
      {PanelId::Power, "2 1.5", "2^(3/2) = √2³ = √8 = √(4×2) = 2√2 ≈ 2.82842712474619"},
      {PanelId::RootAndLogarithm, "72", "√72 = √(36×2) = 6√2 ≈ 8.48528137423857"},
      {PanelId::RootAndLogarithm, "0.5", "√(1/2) = √(1×2)/2 = √2/2 ≈ 0.707106781186548"},
      {PanelId::Trigonometry, "150",
       "150° 在第二象限，参考角 180° - 150° = 30°：sin 150° = sin 30°，cos 150° = -cos 30°"},
      {PanelId::Trigonometry, "390",
       "390° = 30° + 1×360°，α 与 30° 角的终边相同，三角函数值也相同。"},
  };
  expectLines(steps);
  // Five divisors, five dividends and the foot of the ladder.
  EXPECT_EQ(run(PanelId::Factorization, {"360"}).figure.labels.size(), 11u);
  // 307 digits in groups of five from the right, apart by thin spaces.
  const std::string factorial = run(PanelId::Factorial, {"170"}).answer();
  EXPECT_TRUE(factorial.starts_with("答：170! = 72\u200957415\u200961530")) << factorial;
  EXPECT_EQ(factorial.size(), std::string("答：170! = ").size() + 307 + 61 * 3);
}

TEST(AlgebraWorking, WhatTheWindowDidIsTold) {
  const Working overflow = run(PanelId::Factorial, {"171"}, 6);
  EXPECT_TRUE(hasLine(overflow, "窗口报告：运行时错误 6，溢出。"));
  EXPECT_TRUE(overflow.answer().starts_with("答：171! = 12410\u200918070")) << overflow.answer();
  // The window's limits are told just past them, and only there.
  const struct {
    PanelId panel;
    std::vector<std::string> texts;
    bool told;
  } edges[] = {{PanelId::Factorization, {"-32768"}, false},
               {PanelId::Factorization, {"32768"}, true},
               {PanelId::Factorial, {"170"}, false},
               {PanelId::Factorial, {"171"}, true},
               {PanelId::DivisorAndMultiple, {"32767", "-32768"}, false},
               {PanelId::DivisorAndMultiple, {"1", "-32769"}, true}};
  for (const auto& e : edges)
    EXPECT_EQ(hasLineWith(run(e.panel, e.texts, e.told ? 6 : 0), "超出了"), e.told)
        << e.texts.back();

  const auto windowSays = [](const Working& w) {
    for (const Line& l : w.lines)
      if (notation::plain(l.text).starts_with("窗口显示")) return notation::plain(l.text);
    return std::string();
  };
  // The window's π, a little short, shows in its digits: at 15° two of them differ.
  std::vector<std::pair<std::size_t, std::string>> labels;
  for (TrigStep step : kTrigSteps)
    labels.emplace_back(labels.size(), trigCaption(step, 15));
  const std::string fifteen = windowSays(run(PanelId::Trigonometry, {"15"}, 0, labels));
  EXPECT_EQ(fifteen.substr(0, fifteen.find("：")),
            "窗口显示 tan α = 0.267949192431122，csc α = 3.86370330515628");

  // An angle too small for the doubles stops the window at cot α = 1/tan α.
  const Working tiny =
      run(PanelId::Trigonometry, {"1E-322"}, 11, {{0, "0"}, {1, "0"}, {2, "1"}, {3, "0"}});
  EXPECT_TRUE(hasLine(
      tiny, "窗口算 cot α = 1/tan α 时分母为 0（或太接近 0），在这里停下，后面的值都没有算出。"));
  EXPECT_TRUE(hasLine(tiny, "窗口报告：运行时错误 11，除数为零。"));
}

// The working against the window's own arithmetic and the C library, over whole
// ranges of input: two computations written apart that must agree.

// A list entry " 12 =  2 ×  2 ×  3" or a step "12 = 2×2×3" without its blanks.
std::string squeezed(std::string text) {
  std::erase(text, ' ');
  return text;
}

TEST(AlgebraAgreement, FactorsMultiplyBackAsTheWindowsList) {
  Factorization state;
  for (int n = 4; n <= 3000; ++n) {
    const Working w = run(PanelId::Factorization, {std::to_string(n)});
    const std::string entry = factorize(state, std::to_string(n));
    if (entry.find("素数") != std::string::npos) {
      EXPECT_EQ(w.answer(), "答：" + std::to_string(n) + " 是素数");
      continue;
    }
    // The step "n = 2×2×3 = 2²×3" lists the primes one by one.
    std::string product;
    for (const Line& l : w.lines)
      if (notation::plain(l.text).rfind(std::to_string(n) + " = ", 0) == 0)
        product = notation::plain(l.text);
    EXPECT_EQ(squeezed(product.substr(0, product.rfind(" = "))), squeezed(entry)) << n;
  }
}

}  // namespace
}  // namespace vorlinde::steps
