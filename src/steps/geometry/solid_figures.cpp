#include "steps/geometry/figures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// The solids in oblique projection: a circle seen at a slant is an ellipse a
// third as high as wide; the half of a base behind the solid is dashed.

namespace vorlinde::steps {
namespace {

constexpr double kSlant = 0.3;

// A base circle of radius r at height y: the front half solid, the back half dashed.
void base(Figure& f, double r, double y) {
  f.ellipses.push_back({{0, y}, r, r * kSlant, 180, 180, Stroke::Solid});
  f.ellipses.push_back({{0, y}, r, r * kSlant, 0, 180, Stroke::Dashed});
}

void radius(Figure& f, double r, const std::string& label) {
  f.paths.push_back({{{0, 0}, {r, 0}}, Stroke::Dashed});
  f.dots.push_back({{0, 0}});
  f.labels.push_back({{r / 2, 0}, label, Anchor::Below});
}

}  // namespace

Figure cylinderFigure(const exact::Rational& radiusValue, const exact::Rational& height,
                      const std::string& radiusLabel, const std::string& heightLabel) {
  const Drawn d = drawnSizes({radiusValue * 2, height});
  const double r = d.sizes[0] / 2, h = d.sizes[1];
  Figure f;
  base(f, r, 0);
  f.ellipses.push_back({{0, h}, r, r * kSlant});
  f.paths.push_back({{{-r, 0}, {-r, h}}, Stroke::Solid});
  f.paths.push_back({{{r, 0}, {r, h}}, Stroke::Solid});
  f.paths.push_back({{{0, 0}, {0, h}}, Stroke::Dashed});
  radius(f, r, radiusLabel);
  f.labels.push_back({{r, h / 2}, heightLabel, Anchor::Right});
  fitView(f);
  scaleNote(f, d.notToScale);
  return f;
}

Figure coneFigure(const exact::Rational& radiusValue, const exact::Rational& height,
                  const std::vector<std::string>& labels) {
  const Drawn d = drawnSizes({radiusValue * 2, height});
  const double r = d.sizes[0] / 2, ry = r * kSlant;
  // A flat cone keeps its apex clear above the base's ellipse.
  const double h = std::max(d.sizes[1], 2.5 * ry);
  const bool notToScale = d.notToScale || h > d.sizes[1];
  // The sides touch the base ellipse where its polar line from the apex meets it.
  const double t = h > ry ? std::asin(ry / h) : 0;
  const Point left{-r * std::cos(t), ry * std::sin(t)}, right{r * std::cos(t), ry * std::sin(t)};
  const double degrees = t * 180 / std::numbers::pi;
  Figure f;
  f.ellipses.push_back({{0, 0}, r, ry, 180 - degrees, 180 + 2 * degrees, Stroke::Solid});
  f.ellipses.push_back({{0, 0}, r, ry, degrees, 180 - 2 * degrees, Stroke::Dashed});
  f.paths.push_back({{left, {0, h}, right}, Stroke::Solid});
  f.paths.push_back({{{0, 0}, {0, h}}, Stroke::Dashed});
  radius(f, r, labels[0]);
  f.labels.push_back({{0, h / 2}, labels[1], Anchor::Left});
  f.labels.push_back({{(right.x) / 2, (h + right.y) / 2}, labels[2], Anchor::Right});
  fitView(f);
  scaleNote(f, notToScale);
  return f;
}

Figure sphereFigure(const std::string& radiusLabel) {
  Figure f;
  f.ellipses.push_back({{0, 0}, 1, 1});
  base(f, 1, 0);
  radius(f, 1, radiusLabel);
  f.labels.push_back({{0, 0}, "O", Anchor::Above});
  fitView(f);
  return f;
}

}  // namespace vorlinde::steps
