#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

Working system(std::vector<std::string> texts, int error = 0) {
  return run(PanelId::TwoUnknowns, std::move(texts), error);
}

struct Exercise {
  const char* coefficients;  // a₁ b₁ c₁ a₂ b₂ c₂
  const char* answer;
};

TEST(SystemWorking, AnswersTextbookExercises) {
  const Exercise table[] = {
      {"2 3 12 1 -1 1", "答：x = 3，y = 2"},
      {"3 2 7 4 -5 2", "答：x = 39/23 ≈ 1.69565217391304，y = 22/23 ≈ 0.956521739130435"},
      {"1 2 3 2 4 6", "答：方程组有无穷多解"},
      {"0.5 1 2 1 2 3", "答：方程组无解"},
      {"2 0 4 3 5 1", "答：x = 2，y = -1"},
      {"0 1 5 1 0 3", "答：x = 3，y = 5"},
      {"1/2 1 1 1 1 1", "答：a₁ 不是数，无法求解"},
      {"0 0 5 1 1 1", "答：方程组无解"},
      {"0 0 0 1 1 1", "答：方程组有无穷多解"},
      {"2 0 1 4 0 3", "答：方程组无解"},
  };
  for (const Exercise& e : table)
    EXPECT_EQ(system(words(e.coefficients)).answer(), e.answer) << e.coefficients;
}

// Fractions are cleared first; opposite coefficients are added.
TEST(SystemWorking, EliminatesStepByStepAndChecksByDeterminants) {
  const Written steps[] = {
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1", "②×2，得 2x - 2y = 2　③"},
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1", "① - ③，得 5y = 10"},
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1",
       "把 y = 2 代入 ①，得 2x + 3×2 = 12，2x = 6，x = 6/2 = 3"},
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1", "D = a₁b₂ - a₂b₁ = 2×(-1) - 1×3 = -5"},
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1", "x = D₁/D = -15/(-5) = 3"},
      {PanelId::TwoUnknowns, "0.5 1 2 1 -1 1", "去分母：①×2，得 x + 2y = 4　③"},
      {PanelId::TwoUnknowns, "0.5 1 2 1 -1 1", "③ - ②，得 3y = 3"},
      {PanelId::TwoUnknowns, "1 1 5 2 -1 1", "① + ②，得 3x = 6"},
      {PanelId::TwoUnknowns, "1 2 3 2 4 7", "③ - ②，得 0 = -1"},
  };
  expectLines(steps, false);
}

TEST(SystemWorking, ExplainsTheWindowsErrorWhereDIsZero) {
  const Working w = system({"1", "2", "3", "2", "4", "7"}, 11);
  EXPECT_TRUE(hasLineWith(w, "系数成比例"));
  EXPECT_TRUE(hasLineWith(w, "运行时错误 11"));
  EXPECT_EQ(w.answer(), "答：方程组无解");
  const Working many = system({"1", "2", "3", "2", "4", "6"}, 6);
  EXPECT_TRUE(hasLineWith(many, "y = -1/2x + 3/2（x 取任意数）"));
}

// Both panels of the window read their boxes alike: every box that holds no number is named.
TEST(EquationWorkings, NameEveryBoxThatHoldsNoNumber) {
  const struct {
    PanelId panel;
    std::vector<std::string> texts;
    int error;
    const char* plain;
  } table[] = {
      {PanelId::Quadratic,
       {"1", "x", ""},
       0,
       "解方程 · 一元二次方程\n"
       "a = 1，b 不是数，c 不是数\n"
       "b、c 中输入的不是一个数，窗口无法计算。请输入数，例如 -3、0.5、1.5E-3。\n"
       "答：b、c 不是数，无法求解"},
      {PanelId::TwoUnknowns,
       {"1", "2", "3", "4", "x", "6"},
       13,
       "解方程 · 二元一次方程组\n"
       "a₁ = 1，b₁ = 2，c₁ = 3\n"
       "a₂ = 4，b₂ 不是数，c₂ = 6\n"
       "b₂ 中输入的不是一个数，窗口无法计算。\n"
       "窗口报告：运行时错误 13，类型不匹配。\n"
       "答：b₂ 不是数，无法求解"},
  };
  for (const auto& t : table)
    EXPECT_EQ(run(t.panel, t.texts, t.error).plainText(), t.plain);
}

TEST(SystemWorking, DrawsTheLinesAndTheirMeetingPoint) {
  const Figure f = system({"2", "3", "12", "1", "-1", "1"}).figure;
  ASSERT_EQ(f.paths.size(), 2u);
  ASSERT_EQ(f.dots.size(), 1u);
  EXPECT_EQ(f.dots[0].stroke, Stroke::Emphasis);
  EXPECT_DOUBLE_EQ(f.dots[0].at.x, 3);
  EXPECT_DOUBLE_EQ(f.dots[0].at.y, 2);
  EXPECT_TRUE(f.sameScale && f.xTick == f.yTick);  // one unit across and up
  for (const Figure::Path& p : f.paths)
    for (const Point& q : p.points) {  // each line drawn across the view, on its equation
      EXPECT_TRUE(f.left - 1e-9 <= q.x && q.x <= f.right + 1e-9);
      EXPECT_TRUE(f.bottom - 1e-9 <= q.y && q.y <= f.top + 1e-9);
    }
  EXPECT_NEAR(2 * f.paths[0].points[0].x + 3 * f.paths[0].points[0].y, 12, 1e-9);
  // A vertical line, and parallel lines without a meeting point.
  const Figure vertical = system({"2", "0", "4", "3", "5", "1"}).figure;
  EXPECT_DOUBLE_EQ(vertical.paths[0].points[0].x, 2);
  EXPECT_DOUBLE_EQ(vertical.paths[0].points[1].x, 2);
  const Figure parallel = system({"1", "2", "3", "2", "4", "7"}).figure;
  EXPECT_EQ(parallel.paths.size(), 2u);
  EXPECT_TRUE(parallel.dots.empty());
  // 0x + 0y = 5 has no line: only the other one is drawn, and a label says why.
  const Figure none = system({"0", "0", "5", "1", "1", "1"}).figure;
  EXPECT_EQ(none.paths.size(), 1u);
  EXPECT_FALSE(none.labels.empty());
}

}  // namespace
}  // namespace vorlinde::steps
