#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/series.h"
#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

// Whole sequences are checked against the window's own sums, and each panel's first
// exercise through the real windows, elsewhere.
const Written kCases[] = {
    // Arithmetic: aₙ = a₁ + (n − 1)d, Sₙ = n(a₁ + aₙ)/2.
    {PanelId::ArithmeticSequence, "0.1 0.2 3", "答：aₙ = 1/2 = 0.5，Sₙ = 9/10 = 0.9"},
    {PanelId::ArithmeticSequence, "0.5 -0.25 7.5", "答：aₙ = -5/4 = -1.25，Sₙ = -3"},
    {PanelId::ArithmeticSequence, "1 2 32767", "答：aₙ = 65533，Sₙ = 1073676289"},
    {PanelId::ArithmeticSequence, "1 1 0", "答：项数 n 必须是正整数"},
    {PanelId::ArithmeticSequence, "1 x 3", "答：a₁ 和 d 必须是数"},
    // Geometric: aₙ = a₁qⁿ⁻¹, Sₙ = a₁(1 − qⁿ)/(1 − q); q = 1 on its own.
    {PanelId::GeometricSequence, "1 0.5 10",
     "答：aₙ = 1/512 = 0.001953125，Sₙ = 1023/512 = 1.998046875"},
    {PanelId::GeometricSequence, "3 1 5", "答：aₙ = 3，Sₙ = 15"},
    {PanelId::GeometricSequence, "5 0 3", "答：aₙ = 0，Sₙ = 5"},
    {PanelId::GeometricSequence, "1 2 32767",
     "答：aₙ = 一个 9864 位数 ≈ 3.53865257761239E+9863，Sₙ = 一个 9864 位数 ≈ "
     "7.07730515522477E+9863"},
    {PanelId::GeometricSequence, "1 10 32767",
     "答：aₙ = 10³²⁷⁶⁶，Sₙ = 一个 32767 位数 ≈ 1.11111111111111E+32766"},
    {PanelId::GeometricSequence, "1 1.0001 30000",
     "答：aₙ ≈ 20.0805164677636，Sₙ ≈ 190825.245194104"},
    {PanelId::GeometricSequence, "1 0 0", "答：项数 n 必须是正整数"},
    // The seven special series, S₁ … S₇ in the window's rows.
    {PanelId::SpecialSeries, "46341",
     "答：S₁ = 1073767311，S₂ = 2147488281，S₃ = 2147534622，S₄ = 33173325228471，S₅ = "
     "1152976238172170721，S₆ = 33174398995782，S₇ = 46341/46342 ≈ 0.99997842130249"},
    {PanelId::SpecialSeries, "-1", "答：项数 n 必须是正整数"},
};

TEST(SequenceWorking, AnswersOfTextbookExercises) {
  for (const Written& c : kCases) {
    const Working w = run(c.panel, words(c.texts));
    EXPECT_EQ(w.answer(), c.line) << panel(c.panel).key << " " << c.texts;
  }
}

TEST(SequenceWorking, KeySteps) {
  const Written steps[] = {
      {PanelId::ArithmeticSequence, "0.5 -0.25 8",
       "a₈ = 1/2 + (8 - 1)×(-1/4) = 1/2 - 7/4 = -5/4 = -1.25"},
      {PanelId::ArithmeticSequence, "0.5 -0.25 8", "S₈ = (8×(1/2 - 5/4))/2 = -3"},
      {PanelId::ArithmeticSequence, "1 1 2.5", "n = 2.5 取整为 2"},
      {PanelId::GeometricSequence, "3 2 5", "a₅ = 3×2⁴ = 3×16 = 48"},
      {PanelId::GeometricSequence, "3 2 5", "S₅ = (3×(1 - 2⁵))/(1 - 2) = (3×(1 - 32))/(-1) = 93"},
      {PanelId::GeometricSequence, "3 1 5", "S₅ = na₁ = 5×3 = 15"},
      {PanelId::SpecialSeries, "10", "S₅ = [n(n + 1)/2]² = ((10×11)/2)² = 55² = 3025"},
  };
  expectLines(steps);
  EXPECT_TRUE(hasLine(run(PanelId::SpecialSeries, {"46341"}, 6), "窗口报告：运行时错误 6，溢出。"));
  EXPECT_TRUE(hasLineWith(run(PanelId::ArithmeticSequence, {"1", "1", "40000"}, 6),
                          "窗口只接受 1 到 32767"));
  const Working none = run(PanelId::GeometricSequence, {"1", "2", "-3"});  // fewer than one term
  EXPECT_TRUE(hasLine(none, "数列从第 1 项开始，没有第 -3 项，也谈不上前 -3 项的和。"));
  EXPECT_FALSE(hasLineWith(none, "窗口"));
}

// The terms and partial sums as points, aₖ and then Sₖ at k: the first 50 at most,
// on a readable scale.
TEST(SequenceWorking, FigureOfTermsAndSums) {
  const struct {
    PanelId panel;
    std::vector<std::string> texts;
    std::vector<double> terms, sums;
  } kFigures[] = {
      {PanelId::GeometricSequence, {"3", "2", "4"}, {3, 6, 12, 24}, {3, 9, 21, 45}},
      {PanelId::GeometricSequence, {"3", "1", "3"}, {3, 3, 3}, {3, 6, 9}},
      {PanelId::ArithmeticSequence, {"2", "-3", "4"}, {2, -1, -4, -7}, {2, 1, -3, -10}},
      {PanelId::SpecialSeries, {"4"}, {1, 2, 3, 4}, {1, 3, 6, 10}},
  };
  for (const auto& c : kFigures) {
    const Figure f = run(c.panel, c.texts).figure;
    std::vector<double> xs, ys;
    for (const Figure::Dot& d : f.dots)
      xs.push_back(d.at.x), ys.push_back(d.at.y);
    std::vector<double> expected = c.terms;
    expected.insert(expected.end(), c.sums.begin(), c.sums.end());
    EXPECT_EQ(ys, expected) << panel(c.panel).key;
    EXPECT_TRUE(f.bottom < std::ranges::min(ys) && f.top > std::ranges::max(ys));
    for (std::size_t k = 0; k < xs.size(); ++k)
      EXPECT_EQ(xs[k], k % c.terms.size() + 1) << panel(c.panel).key;
  }
  const Figure big = run(PanelId::GeometricSequence, {"1E300", "1E10", "32767"}).figure;
  EXPECT_EQ(big.dots.size(), 100u);
  for (const Figure::Dot& d : big.dots)
    EXPECT_TRUE(std::isfinite(d.at.y) && std::abs(d.at.y) <= 10);
  EXPECT_NE(big.caption.find("纵轴单位"), std::string::npos);
}

// The working against the window's own sums, where its doubles are exact.

// The answer's items: "S₁ = 55" gives "55"; the exact form only, before any decimal.
std::vector<std::string> values(const std::string& answer) {
  std::vector<std::string> out;
  const std::string separator = "，";
  std::string rest = answer.substr(answer.find("：") + std::string("：").size());
  for (std::size_t at = 0; at != std::string::npos;) {
    const std::size_t end = rest.find(separator, at);
    std::string item = rest.substr(at, end == std::string::npos ? end : end - at);
    item = item.substr(item.find(" = ") + 3);
    out.push_back(item.substr(0, item.find(' ')));
    at = end == std::string::npos ? end : end + separator.size();
  }
  return out;
}

TEST(SequenceAgreement, WholeSequencesAsTheWindowComputesThem) {
  for (int a1 = -7; a1 <= 9; a1 += 4)
    for (int step = -3; step <= 4; ++step)
      for (int n = 1; n <= 30; n += 7) {
        const std::vector<std::string> texts = {std::to_string(a1), std::to_string(step),
                                                std::to_string(n)};
        const TermAndSum arithmetic = arithmeticSequence(a1, step, Int16(n));
        const std::vector<std::string> mine =
            values(workingFor(Calculation{PanelId::ArithmeticSequence, texts}).answer());
        EXPECT_EQ(mine, (std::vector{numberText(arithmetic.term), numberText(arithmetic.sum)}));
        if (step == 1 || step == 0) continue;
        const TermAndSum geometric = *geometricSequence(a1, step, Int16(n));
        // Past 15 digits the window writes a rounding; the working, every digit.
        if (std::abs(geometric.sum) >= 1e15 || std::abs(geometric.term) >= 1e15) continue;
        const std::vector<std::string> exact =
            values(workingFor(Calculation{PanelId::GeometricSequence, texts}).answer());
        EXPECT_EQ(exact, (std::vector{numberText(geometric.term), numberText(geometric.sum)}))
            << a1 << " " << step << " " << n;
      }
}

}  // namespace
}  // namespace vorlinde::steps
