#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "exact/notation.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

Working quadratic(std::string a, std::string b, std::string c, int error = 0) {
  return run(PanelId::Quadratic, {a, b, c}, error);
}

struct Exercise {
  const char* texts;  // a b c, or a₁ b₁ c₁ a₂ b₂ c₂
  const char* answer;
};

TEST(QuadraticWorking, AnswersTextbookExercises) {
  const Exercise table[] = {
      {"1 -3 1", "答：x₁ = (3+√5)/2 ≈ 2.61803398874989，x₂ = (3-√5)/2 ≈ 0.381966011250105"},
      {"2 -3 5", "答：方程无实数根"},
      {"0 2 -3", "答：x = 3/2 = 1.5"},
      // a < 0: the window's x₁ = -b/(2a) + √Δ/(2a) is the smaller root.
      {"-1 2 3", "答：x₁ = -1，x₂ = 3"},
      {"1 0 -2", "答：x₁ = √2 ≈ 1.4142135623731，x₂ = -√2 ≈ -1.4142135623731"},
      {"4 4 1", "答：x₁ = x₂ = -1/2 = -0.5"},
      {"6 -5 1", "答：x₁ = 1/2 = 0.5，x₂ = 1/3 ≈ 0.333333333333333"},
      {"1.5E-3 0 -6E-3", "答：x₁ = 2，x₂ = -2"},
      {"0 0 5", "答：方程无解"},
      {"0 0 0", "答：任何数都是方程的解"},
      {"1 x 1", "答：b 不是数，无法求解"},
  };
  for (const Exercise& e : table)
    EXPECT_EQ(run(PanelId::Quadratic, words(e.texts)).answer(), e.answer) << e.texts;
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
      {PanelId::Quadratic, "1 2 -4", "x₁x₂ = -4 = c/a = -4，相符"},
      {PanelId::Quadratic, "2 -6 0", "2x² - 6x = 2x(x - 3) = 0"},
      {PanelId::Quadratic, "-2 3 5", "方程两边同乘 -1，得 2x² - 3x - 5 = 0"},
      {PanelId::Quadratic, "-2 3 5", "2x² - 3x - 5 = (x + 1)(2x - 5) = 0"},
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

Working system(std::vector<std::string> texts, int error = 0) {
  return run(PanelId::TwoUnknowns, std::move(texts), error);
}

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
    EXPECT_EQ(system(words(e.texts)).answer(), e.answer) << e.texts;
}

// Fractions are cleared first; opposite coefficients are added.
TEST(SystemWorking, EliminatesStepByStepAndChecksByDeterminants) {
  const Written steps[] = {
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1", "②×2，得 2x - 2y = 2　③"},
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1",
       "把 y = 2 代入 ①，得 2x + 3×2 = 12，2x = 6，x = 6/2 = 3"},
      {PanelId::TwoUnknowns, "2 3 12 1 -1 1", "D = a₁b₂ - a₂b₁ = 2×(-1) - 1×3 = -5"},
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

TEST(Working, GivenValuesAndTheAnswerLine) {
  Calculation c{PanelId::Quadratic, {"0.1", " 3 ", "１２"}};
  EXPECT_EQ(notation::plain(given(c, "a", 0)), "a = 1/10（输入的是“0.1”）");
  EXPECT_EQ(notation::plain(given(c, "b", 1)), "b = 3");
  EXPECT_EQ(notation::plain(given(c, "c", 2)), "c = 12（输入的是“１２”）");
  EXPECT_EQ(given(c, "d", 3), "d 不是数");
  c.texts[1] = "+1" + std::string(100, '0');
  EXPECT_EQ(notation::plain(given(c, "b", 1)),
            "b = 10¹⁰⁰（输入的是“+10000000000000000000000…00000000，共 102 个字符”）");
  // Full-width digits take three bytes each: the count is of characters.
  c.texts[2] = "";
  for (int i = 0; i < 35; ++i)
    c.texts[2] += "１";
  const std::string ones =
      "11111\u200911111\u200911111\u200911111\u200911111\u200911111\u200911111";
  EXPECT_EQ(notation::plain(given(c, "c", 2)),
            "c = " + ones + "（输入的是“１１１１１１１１…１１，共 35 个字符”）");
  // Digits typed as the working writes them, but for the groups, are not quoted.
  c.texts[2] = std::string(35, '1');
  EXPECT_EQ(notation::plain(given(c, "c", 2)), "c = " + ones);

  Working w = begin("解方程", "一元二次方程");
  line(w, LineKind::Step, "x = " + notation::frac("3", "2"));
  answer(w, {answerItem("x", exact::show(exact::Rational(3, 2), c.format)),
             answerItem("y", exact::showDecimal({"0.3", false}))});
  EXPECT_EQ(w.plainText(), "解方程 · 一元二次方程\nx = 3/2\n答：x = 3/2 = 1.5，y ≈ 0.3");
}

// How far the point lies from the polyline, in shares of the view's width and height.
double offLine(Point p, const std::vector<Point>& line, const Figure& f) {
  const double w = f.right - f.left, h = f.top - f.bottom;
  double least = INFINITY;
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const double ax = (line[i].x - p.x) / w, ay = (line[i].y - p.y) / h;
    const double dx = (line[i + 1].x - line[i].x) / w, dy = (line[i + 1].y - line[i].y) / h;
    const double t = std::clamp(-(ax * dx + ay * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    least = std::min(least, std::hypot(ax + t * dx, ay + t * dy));
  }
  return least;
}

bool inView(Point p, const Figure& f) {
  return f.left <= p.x && p.x <= f.right && f.bottom <= p.y && p.y <= f.top;
}

// Root dots on the curve and the x axis, the vertex on the curve, all in view; one
// unit across and up where the curve then still fills a quarter of the height.
TEST(EquationFigures, PointsOnTheirCurvesAndUnitsAlike) {
  const struct {
    std::vector<std::string> abc;
    int roots;
    bool sameScale;
  } cases[] = {
      {{"-1", "-2", "3"}, 2, true},         {{"10", "0", "-1"}, 2, true},
      {{"1", "-2", "1"}, 1, true},          {{"1", "0", "1"}, 0, true},
      {{"0.01", "0", "-1"}, 2, false},      {{"-2", "1", "0.01"}, 2, true},
      {{"1E300", "-3E300", "1"}, 2, false}, {{"1", "-200000000", "9999999999999999"}, 2, false},
      {{"0", "2", "-3"}, 1, true},          {{"0", "0.01", "1"}, 1, false},
  };
  for (const auto& c : cases) {
    const Figure f = run(PanelId::Quadratic, c.abc).figure;
    SCOPED_TRACE(f.caption);
    const std::vector<Point>& curve = f.paths.at(0).points;
    int roots = 0;
    for (const Figure::Dot& d : f.dots) {
      EXPECT_TRUE(inView(d.at, f) && offLine(d.at, curve, f) < 1e-4) << d.at.x << ", " << d.at.y;
      roots += d.stroke == Stroke::Emphasis && d.at.y == 0;
    }
    EXPECT_EQ(roots, c.roots);
    for (const Figure::Path& p : f.paths)
      EXPECT_TRUE(std::ranges::all_of(p.points, [&](Point q) { return inView(q, f); }));
    EXPECT_EQ(f.sameScale, c.sameScale);
    const auto [low, high] = std::ranges::minmax(curve, {}, &Point::y);
    if (f.sameScale) {
      EXPECT_NEAR((f.right - f.left) / (f.top - f.bottom), f.aspect, 1e-9);
      EXPECT_EQ(f.xTick, f.yTick);
      EXPECT_GE((std::max(high.y, 0.0) - std::min(low.y, 0.0)) * 4, f.top - f.bottom);
    }
  }
}

}  // namespace
}  // namespace vorlinde::steps
