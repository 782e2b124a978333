#include <gtest/gtest.h>

#include <cmath>

#include "core/measures.h"
#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

// Every point finite, inside the view, and the view of a sensible size.
bool sensible(const Figure& f) {
  const auto inside = [&](Point p) {  // a NaN or an infinity is never inside
    return p.x >= f.left && p.x <= f.right && p.y >= f.bottom && p.y <= f.top;
  };
  bool ok = !f.empty() && f.right - f.left > 0.5 && f.top - f.bottom > 0.2 &&
            f.right - f.left < 10 && f.top - f.bottom < 10;
  for (const Figure::Path& p : f.paths)
    for (const Point& q : p.points)
      ok = ok && inside(q);
  for (const Figure::Label& l : f.labels)
    ok = ok && inside(l.at);
  return ok;
}

// Each panel's first exercise is clicked through the real windows by the program's tests.
const Written kCases[] = {
    {PanelId::Triangle, "5 3", "答：S = 15/2 = 7.5"},
    {PanelId::TriangleBySides, "13 14 15", "答：S = 84"},
    {PanelId::TriangleBySides, "2 3 4", "答：S = 3√15/4 ≈ 2.90473750965556"},
    {PanelId::TriangleBySides, "1 2 4", "答：这三条线段不能构成三角形"},
    {PanelId::Rectangle, "2.5 4", "答：S = 10"},
    {PanelId::Trapezoid, "7 3 2", "答：S = 27/2 = 13.5"},
    {PanelId::Circle, "0.5", "答：S = π/4 ≈ 0.785398163397448"},
    {PanelId::Sector, "2 90", "答：S = π ≈ 3.14159265358979"},
    {PanelId::Cylinder, "2 5", "答：V = 20π ≈ 62.8318530717959"},
    {PanelId::Cone, "1 1", "答：V = π/3 ≈ 1.0471975511966"},
    {PanelId::Sphere, "1.5", "答：V = 9π/2 ≈ 14.1371669411541"},
    {PanelId::Circle, "-3", "答：输入有误，半径 r 不能是负数"},
    {PanelId::Trapezoid, "5 -1 3", "答：输入有误，高 h 不能是负数"},
};

TEST(GeometryWorking, AnswersOfTextbookExercises) {
  for (const Written& c : kCases) {
    const Working w = run(c.panel, words(c.texts));
    EXPECT_EQ(w.answer(), c.line) << panel(c.panel).key << " " << c.texts;
    if (w.answer().find("输入有误") == std::string::npos) {
      EXPECT_TRUE(sensible(w.figure)) << panel(c.panel).key << " " << c.texts;
    }
  }
}

TEST(GeometryWorking, KeySteps) {
  const Written steps[] = {
      {PanelId::TriangleBySides, "13 14 15", "a + b\t= 13 + 14\t= 27\t> 15\t= c"},
      {PanelId::TriangleBySides, "13 14 15", "= √(21×8×7×6) = √7056 = 84"},
      {PanelId::TriangleBySides, "1 2 3", "a + b\t= 1 + 2\t= 3\t= 3\t= c"},
      {PanelId::Sector, "6 60", "弧长 l = nπr/180 = (60×π×6)/180 = 2π"},
      {PanelId::Cone, "3 4", "母线 l = √(r² + h²) = √(3² + 4²) = √25 = 5"},
      {PanelId::Circle, "3", "S = πr² = π×3² = 9π ≈ 28.2743338823081"},
      {PanelId::Trapezoid, "7 3 2", "上底 a = 2"},
  };
  expectLines(steps, false);
  // A root too long to simplify is only estimated: its "≈" follows the steps alone.
  const Working estimated = run(PanelId::TriangleBySides, {"1E300", "1E300", "1E300"});
  EXPECT_TRUE(estimated.plainText().find(") ≈ 4.33012701892219E+599\n") != std::string::npos);
  // Where the window's last digit differs, it says why.
  // 16π: the window's π, a little short, makes 50.2654824574366 of 50.26548245743669….
  EXPECT_TRUE(hasLineWith(run(PanelId::Circle, {"4"}, 0, {{0, "S=50.2654824574366"}}),
                          "窗口显示 S=50.2654824574366：它用双精度数计算，π 取 3.14159265358979"));
  EXPECT_FALSE(
      hasLineWith(run(PanelId::Circle, {"3"}, 0, {{0, "S=28.2743338823081"}}), "窗口显示"));
  const Working overflow = run(PanelId::Circle, {"1E200"}, 6);
  EXPECT_TRUE(hasLineWith(overflow, "窗口报告：运行时错误 6，溢出。"));
  EXPECT_EQ(overflow.answer(), "答：S = 10⁴⁰⁰π ≈ 3.14159265358979E+400");
}

TEST(GeometryWorking, FiguresToScaleWithTheirMeasures) {
  const Figure triangle = run(PanelId::TriangleBySides, {"3", "4", "5"}).figure;
  ASSERT_EQ(triangle.paths.size(), 1u);
  const std::vector<Point>& v = triangle.paths[0].points;  // A, B on the base c, then C
  EXPECT_NEAR(std::hypot(v[1].x - v[0].x, v[1].y - v[0].y), 1.0, 1e-12);
  EXPECT_NEAR(std::hypot(v[2].x - v[1].x, v[2].y - v[1].y), 0.6, 1e-12);
  EXPECT_NEAR(std::hypot(v[2].x - v[0].x, v[2].y - v[0].y), 0.8, 1e-12);
  // Sides of 1E+200 are drawn at unit size and labelled with their real length.
  const Figure huge = run(PanelId::TriangleBySides, {"1E200", "1E200", "1E200"}).figure;
  EXPECT_TRUE(sensible(huge));
  EXPECT_EQ(notation::plain(huge.labels[0].text), "a = 10²⁰⁰");
  // A measure far smaller than the others keeps a visible size, and the caption says so.
  for (const auto& [id, texts] : std::vector<std::pair<PanelId, std::vector<std::string>>>{
           {PanelId::Rectangle, {"1000", "0.001"}},
           {PanelId::Cylinder, {"1000", "0.001"}},
           {PanelId::Cone, {"1", "0.001"}}}) {
    const Figure thin = run(id, texts).figure;
    EXPECT_TRUE(sensible(thin)) << panel(id).key;
    EXPECT_NE(thin.caption.find("未按比例"), std::string::npos) << panel(id).key;
  }
  const Figure cone = run(PanelId::Cone, {"3", "4"}).figure;
  EXPECT_EQ(cone.ellipses.size(), 2u);  // the base's front half solid, its back half dashed
  EXPECT_EQ(cone.ellipses[1].stroke, Stroke::Dashed);
}

// The working's decimals against the window's own measures: equal where no π and
// no rounding enters, within the window's short π where one does.

// The decimal of the answer's value: the last number on the line.
double decimalOf(const std::string& answer) {
  const std::size_t at = answer.find_last_of(" ");
  return std::stod(answer.substr(at + 1));
}

Working measured(PanelId id, double a, double b, double c = 0) {
  std::vector<std::string> texts = {numberText(a), numberText(b), numberText(c)};
  texts.resize(panel(id).boxes.size());
  return workingFor(Calculation{id, texts});
}

TEST(GeometryAgreement, MeasuresAsTheWindowComputesThem) {
  for (double a = 0.5; a <= 12; a += 1.25)
    for (double b = 0.25; b <= 9; b += 1.5) {
      const double c = a + b - 0.75;
      EXPECT_EQ(decimalOf(measured(PanelId::Triangle, a, b).answer()), triangleArea(a, b).value());
      EXPECT_EQ(decimalOf(measured(PanelId::Rectangle, a, b).answer()),
                rectangleArea(a, b).value());
      EXPECT_EQ(decimalOf(measured(PanelId::Trapezoid, a, b, c).answer()),
                trapezoidArea(a, b, c).value());
      // Heron's formula and π: the window rounds on the way, and its π is short.
      const std::string heron = measured(PanelId::TriangleBySides, a, b, c).answer();
      if (const std::optional<Real> s = triangleAreaFromSides(a, b, c); s && c < a + b) {
        EXPECT_NEAR(decimalOf(heron), s->value(), 1e-12 * s->value()) << a << " " << b;
      }
      const auto near = [](const std::string& answer, Real window) {
        return std::abs(decimalOf(answer) - window.value()) <= 1e-13 * window.value();
      };
      EXPECT_TRUE(near(measured(PanelId::Sector, a, b * 20).answer(), sectorArea(a, b * 20)));
      EXPECT_TRUE(near(measured(PanelId::Cylinder, a, b).answer(), cylinderVolume(a, b)));
      EXPECT_TRUE(near(measured(PanelId::Cone, a, b).answer(), coneVolume(a, b)));
      EXPECT_TRUE(near(measured(PanelId::Sphere, a, b).answer(), sphereVolume(a)));
    }
}

}  // namespace
}  // namespace vorlinde::steps
