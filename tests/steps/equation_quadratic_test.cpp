#include <gtest/gtest.h>

#include <string>

#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

Working quadratic(std::string a, std::string b, std::string c, int error = 0) {
  return run(PanelId::Quadratic, {a, b, c}, error);
}

struct Exercise {
  const char *a, *b, *c;
  const char* answer;
};

TEST(QuadraticWorking, AnswersTextbookExercises) {
  const Exercise table[] = {
      {"1", "-3", "1", "答：x₁ = (3+√5)/2 ≈ 2.61803398874989，x₂ = (3-√5)/2 ≈ 0.381966011250105"},
      {"2", "-3", "5", "答：方程无实数根"},
      {"0", "2", "-3", "答：x = 3/2 = 1.5"},
      // a < 0: the window's x₁ = -b/(2a) + √Δ/(2a) is the smaller root.
      {"-1", "2", "3", "答：x₁ = -1，x₂ = 3"},
      {"1", "0", "-2", "答：x₁ = √2 ≈ 1.4142135623731，x₂ = -√2 ≈ -1.4142135623731"},
      {"4", "4", "1", "答：x₁ = x₂ = -1/2 = -0.5"},
      {"6", "-5", "1", "答：x₁ = 1/2 = 0.5，x₂ = 1/3 ≈ 0.333333333333333"},
      {"1.5E-3", "0", "-6E-3", "答：x₁ = 2，x₂ = -2"},
      {"0", "0", "5", "答：方程无解"},
      {"0", "0", "0", "答：任何数都是方程的解"},
      {"1", "x", "1", "答：b 不是数，无法求解"},
  };
  for (const Exercise& e : table)
    EXPECT_EQ(quadratic(e.a, e.b, e.c).answer(), e.answer) << e.a << " " << e.b << " " << e.c;
  // The decimals with the window's separator.
  Calculation c = clicked(PanelId::Quadratic, {"1", "0", "-0,5"});
  c.format = {",", "."};
  EXPECT_EQ(workingFor(c).answer(),
            "答：x₁ = √2/2 ≈ 0,707106781186548，x₂ = -√2/2 ≈ -0,707106781186548");
}

TEST(QuadraticWorking, ShowsTheKeySteps) {
  const Written steps[] = {
      {PanelId::Quadratic, "2 -3 5", "Δ = b² - 4ac = (-3)² - 4×2×5 = 9 - 40 = -31"},
      {PanelId::Quadratic, "2 -3 5", "= (3 ± √31 i)/4"},
      {PanelId::Quadratic, "1 2 -4", "其中 √20 = 2√5"},
      {PanelId::Quadratic, "1 2 -4", "= -1 ± √5"},
      {PanelId::Quadratic, "1 2 -4", "x₁x₂ = -4 = c/a = -4，相符"},
      {PanelId::Quadratic, "2 -6 0", "2x² - 6x = 2x(x - 3) = 0"},
      {PanelId::Quadratic, "-2 3 5", "方程两边同乘 -1，得 2x² - 3x - 5 = 0"},
      {PanelId::Quadratic, "-2 3 5", "2x² - 3x - 5 = (x + 1)(2x - 5) = 0"},
      {PanelId::Quadratic, "-2 3 5", "交叉相乘再相加：1×(-5) + 2×1 = -3"},
      {PanelId::Quadratic, "1 -6 9", "x² - 6x + 9 = (x - 3)² = 0"},
  };
  expectLines(steps, false);
}

TEST(QuadraticWorking, TellsTheWindowsRunTimeError) {
  const Working none = quadratic("0", "0", "5", 11);
  EXPECT_TRUE(hasLineWith(none, "除以了 0"));
  EXPECT_TRUE(hasLineWith(none, "运行时错误 11"));
  // b² overflows in the window; the exact working still solves it.
  const Working big = quadratic("1", "1E+200", "0", 6);
  EXPECT_TRUE(hasLineWith(big, "超出了范围"));
  EXPECT_EQ(big.answer(), "答：x₁ = 0，x₂ = -10²⁰⁰");
}

// Where the roots lie on the curve is checked with the other equations' figures.
TEST(QuadraticWorking, DrawsTheParabolaWithItsAxisAndNamedRoots) {
  const Figure f = quadratic("1", "-3", "1").figure;
  ASSERT_GE(f.paths.size(), 2u);
  EXPECT_EQ(f.paths[1].stroke, Stroke::Dashed);  // the axis of symmetry x = 3/2
  EXPECT_DOUBLE_EQ(f.paths[1].points[0].x, 1.5);
  EXPECT_TRUE(f.axes && f.left < 0 && f.right > 0);  // the y axis is in view
  // For a < 0 the window's x₁ is the smaller root, and the figure names it so.
  const std::vector<Figure::Label> labels = quadratic("-1", "2", "3").figure.labels;
  const auto x1 = std::ranges::find(labels, "x₁", [](auto& l) { return notation::plain(l.text); });
  ASSERT_NE(x1, labels.end());
  EXPECT_DOUBLE_EQ(x1->at.x, -1);
}

}  // namespace
}  // namespace vorlinde::steps
