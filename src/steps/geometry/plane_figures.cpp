#include "steps/geometry/figures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// The plane shapes: triangles, the rectangle, the trapezoid, the circle and the
// sector; and the sizing and framing that the solids share.

namespace vorlinde::steps {
namespace {

// The least size drawn, against 1 for the largest measurement.
constexpr double kLeast = 0.12;

Point along(Point a, Point b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// The small square that marks a right angle at the corner, its sides along u and v.
Figure::Path rightAngle(Point corner, Point u, Point v, double size) {
  const Point a{corner.x + u.x * size, corner.y + u.y * size};
  const Point b{a.x + v.x * size, a.y + v.y * size};
  const Point c{corner.x + v.x * size, corner.y + v.y * size};
  return {{a, b, c}, Stroke::Thin};
}

// Names the corners of a triangle ABC standing on AB, and frames the figure.
void finishTriangle(Figure& f, Point A, Point B, Point C, bool notToScale) {
  f.labels.push_back({A, "A", Anchor::BelowLeft});
  f.labels.push_back({B, "B", Anchor::BelowRight});
  f.labels.push_back({C, "C", Anchor::Above});
  fitView(f);
  scaleNote(f, notToScale);
}

}  // namespace

Drawn drawnSizes(const std::vector<exact::Rational>& values) {
  exact::Rational largest = 0;
  for (const exact::Rational& v : values)
    largest = std::max(largest, exact::Rational(abs(v)));
  Drawn d;
  for (const exact::Rational& v : values) {
    const double size = largest == 0 ? 0 : exact::Rational(abs(v) / largest).get_d();
    d.notToScale = d.notToScale || size < kLeast;
    d.sizes.push_back(std::max(size, kLeast));
  }
  return d;
}

void scaleNote(Figure& f, bool notToScale) {
  if (notToScale) f.caption += f.caption.empty() ? "未按比例画出" : "（未按比例画出）";
}

void fitView(Figure& f) {
  double left = 0, right = 0, bottom = 0, top = 0;
  bool first = true;
  const auto take = [&](double x, double y) {
    if (first) left = right = x, bottom = top = y;
    first = false;
    left = std::min(left, x), right = std::max(right, x);
    bottom = std::min(bottom, y), top = std::max(top, y);
  };
  for (const Figure::Path& p : f.paths)
    for (const Point& q : p.points)
      take(q.x, q.y);
  for (const Figure::Ellipse& e : f.ellipses) {
    take(e.centre.x - e.rx, e.centre.y - e.ry);
    take(e.centre.x + e.rx, e.centre.y + e.ry);
  }
  for (const Figure::Label& l : f.labels)
    take(l.at.x, l.at.y);
  const double margin = std::max({right - left, top - bottom, 1e-9}) * 0.18;
  f.left = left - margin, f.right = right + margin;
  f.bottom = bottom - margin, f.top = top + margin;
}

Figure triangleFigure(const exact::Rational& base, const exact::Rational& height,
                      const std::string& baseLabel, const std::string& heightLabel) {
  const Drawn d = drawnSizes({base, height});
  const double b = d.sizes[0], h = d.sizes[1];
  const Point A{0, 0}, B{b, 0}, C{0.38 * b, h}, H{0.38 * b, 0};
  Figure f;
  f.paths.push_back({{A, B, C}, Stroke::Solid, true, true});
  f.paths.push_back({{C, H}, Stroke::Dashed});
  f.paths.push_back(rightAngle(H, {1, 0}, {0, 1}, 0.06));
  f.labels.push_back({along(A, B, 0.5), baseLabel, Anchor::Below});
  f.labels.push_back({along(C, H, 0.5), heightLabel, Anchor::Right});
  finishTriangle(f, A, B, C, d.notToScale);
  return f;
}

Figure sidesFigure(const std::vector<exact::Rational>& sides,
                   const std::vector<std::string>& labels, bool triangle) {
  const Drawn d = drawnSizes(sides);
  const double a = d.sizes[0], b = d.sizes[1], c = d.sizes[2];
  Figure f;
  if (!triangle) {
    // The three lengths side by side: the two shorter ones cannot reach across the longest.
    for (int i = 0; i < 3; ++i) {
      const double y = -0.3 * i;
      f.paths.push_back({{{0, y}, {d.sizes[i], y}}, Stroke::Solid});
      f.labels.push_back({{d.sizes[i], y}, labels[i], Anchor::Right});
    }
    fitView(f);
    f.right += 0.6;
    f.caption = "三条线段不能构成三角形";
    return f;
  }
  // AB = c on the base; C from the cosine rule, drawn flat when the sides barely close.
  const double x = c > 0 ? (b * b + c * c - a * a) / (2 * c) : 0;
  const double y = std::sqrt(std::max(0.0, b * b - x * x));
  const Point A{0, 0}, B{c, 0}, C{x, y};
  f.paths.push_back({{A, B, C}, Stroke::Solid, true, true});
  f.labels.push_back({along(B, C, 0.5), labels[0], Anchor::Right});
  f.labels.push_back({along(C, A, 0.5), labels[1], Anchor::Left});
  f.labels.push_back({along(A, B, 0.5), labels[2], Anchor::Below});
  finishTriangle(f, A, B, C, d.notToScale);
  return f;
}

Figure rectangleFigure(const exact::Rational& length, const exact::Rational& width,
                       const std::string& lengthLabel, const std::string& widthLabel) {
  const Drawn d = drawnSizes({length, width});
  const double l = d.sizes[0], w = d.sizes[1];
  Figure f;
  f.paths.push_back({{{0, 0}, {l, 0}, {l, w}, {0, w}}, Stroke::Solid, true, true});
  f.labels.push_back({{l / 2, 0}, lengthLabel, Anchor::Below});
  f.labels.push_back({{l, w / 2}, widthLabel, Anchor::Right});
  fitView(f);
  scaleNote(f, d.notToScale);
  return f;
}

Figure trapezoidFigure(const std::vector<exact::Rational>& lowerHeightUpper,
                       const std::vector<std::string>& labels) {
  const Drawn d = drawnSizes(lowerHeightUpper);
  const double lower = d.sizes[0], h = d.sizes[1], upper = d.sizes[2];
  // The upper base a little left of centre, so that the legs differ as in most exercises.
  const double x0 = (lower - upper) * 0.3;
  const double foot = (std::max(0.0, x0) + std::min(lower, x0 + upper)) / 2;
  Figure f;
  f.paths.push_back({{{0, 0}, {lower, 0}, {x0 + upper, h}, {x0, h}}, Stroke::Solid, true, true});
  f.paths.push_back({{{foot, h}, {foot, 0}}, Stroke::Dashed});
  f.paths.push_back(rightAngle({foot, 0}, {1, 0}, {0, 1}, 0.05));
  f.labels.push_back({{lower / 2, 0}, labels[0], Anchor::Below});
  f.labels.push_back({{foot, h / 2}, labels[1], Anchor::Right});
  f.labels.push_back({{x0 + upper / 2, h}, labels[2], Anchor::Above});
  fitView(f);
  scaleNote(f, d.notToScale);
  return f;
}

Figure circleFigure(const std::string& radiusLabel) {
  Figure f;
  f.ellipses.push_back({{0, 0}, 1, 1});
  f.paths.push_back({{{0, 0}, {1, 0}}, Stroke::Solid});
  f.dots.push_back({{0, 0}});
  f.labels.push_back({{0, 0}, "O", Anchor::BelowLeft});
  f.labels.push_back({{0.5, 0}, radiusLabel, Anchor::Above});
  fitView(f);
  return f;
}

Figure sectorFigure(const exact::Rational& degrees, const std::string& radiusLabel,
                    const std::string& angleLabel) {
  const double n = std::min(360.0, degrees.get_d());
  Figure f;
  Figure::Path sector{{{0, 0}}, Stroke::Solid, true, true};
  for (int i = 0; i <= 72; ++i) {
    const double a = n * i / 72 * std::numbers::pi / 180;
    sector.points.push_back({std::cos(a), std::sin(a)});
  }
  f.paths.push_back(sector);
  // The rest of the circle, thin: the sector as a part of it.
  f.ellipses.push_back({{0, 0}, 1, 1, n, 360 - n, Stroke::Thin});
  f.ellipses.push_back({{0, 0}, 0.18, 0.18, 0, n, Stroke::Emphasis});
  const double middle = n / 2 * std::numbers::pi / 180;
  f.labels.push_back({{0.3 * std::cos(middle), 0.3 * std::sin(middle)},
                      angleLabel,
                      std::cos(middle) >= 0 ? Anchor::Right : Anchor::Left});
  f.labels.push_back({{0.5, 0}, radiusLabel, Anchor::Below});
  f.labels.push_back({{0, 0}, "O", Anchor::BelowLeft});
  fitView(f);
  if (degrees > 360) f.caption = "圆心角大于 360°，只画出一周";
  return f;
}

}  // namespace vorlinde::steps
