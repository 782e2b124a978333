#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

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
