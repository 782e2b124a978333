#include "steps/shared/equation_figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "exact/notation.h"
#include "steps/shared/equation_scale.h"
#include "steps/shared/equation_text.h"

namespace vorlinde::steps::eq {
namespace {

using exact::Rational;

constexpr int kSamples = 120;

struct Range {
  double low = 0, high = 0;
  void take(double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  // A little room around what is drawn; a range of nothing becomes -1 to 1.
  Range padded(double share) const {
    const double room = (high - low) * share;
    if (!(room > 0)) return {low - 1, high + 1};
    return {low - room, high + room};
  }
  // The range grown about its middle to the extent.
  Range widened(double extent) const {
    const double middle = low / 2 + high / 2;
    return {middle - extent / 2, middle + extent / 2};
  }
};

// The scaled axes told under the figure, both at once where they share a scale.
void scaleNotes(Figure& f, const AxisScale& xs, const AxisScale& ys, const NumberFormat& format) {
  std::vector<std::string> notes;
  if (xs.note("", format) == ys.note("", format))
    notes.push_back(xs.note("x、y", format));
  else
    notes = {xs.note("x", format), ys.note("y", format)};
  for (const std::string& note : notes)
    if (!note.empty()) f.caption += (f.caption.empty() ? "" : "；") + note;
}

void setView(Figure& f, const Range& x, const Range& y) {
  f.left = x.low, f.right = x.high, f.bottom = y.low, f.top = y.high;
  f.axes = true;
  f.xTick = niceTick(x.high - x.low);
  f.yTick = niceTick(y.high - y.low);
}

// One unit as long across as up where both axes are drawn at one scale and the
// curve, so drawn, still fills a quarter of the drawing's height; the view then
// grows about its middle to the drawing's shape. Otherwise each axis keeps its
// own unit, which its ticks show.
void chooseUnits(Figure& f, Range& x, Range& y, bool oneScale) {
  const double w = x.high - x.low, h = y.high - y.low;
  f.sameScale = oneScale && 4 * h * f.aspect >= w;
  if (f.sameScale) {
    if (h * f.aspect < w)
      y = y.widened(w / f.aspect);
    else
      x = x.widened(h * f.aspect);
  }
  setView(f, x, y);
  if (f.sameScale) f.xTick = f.yTick = niceTick(std::max(x.high - x.low, y.high - y.low));
}

// "y = x² - 3x + 1" for a label; "≈" where long coefficients are rounded.
std::string equation(const std::string& side, const std::vector<Term>& terms,
                     const NumberFormat& format) {
  bool approximate = false;
  const std::string text = sumBrief(terms, format, approximate);
  return side + (approximate ? " ≈ " : " = ") + text;
}

std::string point(const Rational& x, const Rational& y, const NumberFormat& format) {
  return "(" + brief(x, format) + ", " + brief(y, format) + ")";
}

// The curve y = ax² + bx + c over the drawn x range, evaluated exactly.
Figure::Path curve(const Rational& a, const Rational& b, const Rational& c, const AxisScale& xs,
                   const Range& x, std::vector<Rational>& ys) {
  Figure::Path path;
  for (int i = 0; i <= kSamples; ++i) {
    const double u = x.low + (x.high - x.low) * i / kSamples;
    const Rational v = xs.value(u);
    ys.push_back((a * v + b) * v + c);
    path.points.push_back({u, 0});
  }
  return path;
}

// The largest |y| among the values, as log₁₀; 0 when all are 0.
double log10Largest(const std::vector<Rational>& values) {
  double largest = -1e300;
  for (const Rational& v : values)
    if (sgn(v) != 0) largest = std::max(largest, log10Of(v));
  return largest == -1e300 ? 0 : largest;
}

// How wide the parabola is drawn each side of its axis: half the distance of its
// roots, or as far as it takes to rise by |Δ/4a| from the vertex.
double log10HalfWidth(const Rational& a, const Rational& h, const Rational& d) {
  if (sgn(d) != 0) return 0.5 * log10Of(d) - log10Of(2 * a);
  return sgn(h) != 0 ? log10Of(h) : -0.5 * log10Of(a);
}

void rootDots(Figure& f, const Rational& a, const Rational& d, double hd, double wd) {
  const bool up = sgn(a) > 0;
  if (sgn(d) < 0) return;
  if (sgn(d) == 0) {
    f.dots.push_back({{hd, 0}, Stroke::Emphasis});
    f.labels.push_back({{hd, 0},
                        "x" + notation::sub("1") + " = x" + notation::sub("2"),
                        up ? Anchor::AboveRight : Anchor::BelowRight});
    return;
  }
  // The window's x₁ adds √Δ/(2a): the right root for a > 0, the left one for a < 0.
  const double x1 = up ? hd + wd : hd - wd, x2 = up ? hd - wd : hd + wd;
  // Each label between the roots on the side of the axis the curve leaves free:
  // clear of the curve and of the tick numbers.
  const Anchor leftRoot = up ? Anchor::AboveRight : Anchor::BelowRight;
  const Anchor rightRoot = up ? Anchor::AboveLeft : Anchor::BelowLeft;
  f.dots.push_back({{x1, 0}, Stroke::Emphasis});
  f.dots.push_back({{x2, 0}, Stroke::Emphasis});
  f.labels.push_back({{x1, 0}, "x" + notation::sub("1"), up ? rightRoot : leftRoot});
  f.labels.push_back({{x2, 0}, "x" + notation::sub("2"), up ? leftRoot : rightRoot});
}

Figure lineGraph(const Rational& b, const Rational& c, const NumberFormat& format) {
  Figure f;
  f.caption = equation("y", {{b, "x"}, {c, ""}}, format);
  const Rational r = sgn(b) != 0 ? Rational(-c / b) : Rational(0);
  const double log10W = sgn(r) != 0 ? log10Of(r) : 0;
  const AxisScale xs(r, log10W);
  const double rd = xs.at(r), wd = xs.length(log10W);
  Range x{std::min(0.0, rd) - 0.8 * wd, std::max(0.0, rd) + 0.8 * wd};
  const auto at = [&](double u) -> Rational { return b * xs.value(u) + c; };
  const AxisScale ys(0, log10Largest({at(x.low), at(x.high)}));
  Range y;
  for (const double u : {x.low, x.high})
    y.take(ys.at(at(u)));
  y = y.padded(0.1);
  // Drawn across the features, before the view grows to the drawing's shape.
  f.paths.push_back({{{x.low, ys.at(at(x.low))}, {x.high, ys.at(at(x.high))}}});
  chooseUnits(f, x, y, xs == ys);
  if (sgn(b) != 0) {
    f.dots.push_back({{rd, 0}, Stroke::Emphasis});
    f.labels.push_back({{rd, 0}, briefNamed("x", r, format), Anchor::BelowRight});
  } else {
    f.labels.push_back({{x.low, ys.at(c)},
                        sgn(c) != 0 ? "与 x 轴没有交点" : "整条直线就是 x 轴",
                        sgn(c) > 0 ? Anchor::AboveRight : Anchor::BelowRight});
  }
  scaleNotes(f, xs, ys, format);
  return f;
}

}  // namespace

Figure parabolaFigure(const Rational& a, const Rational& b, const Rational& c,
                      const NumberFormat& format) {
  if (sgn(a) == 0) return lineGraph(b, c, format);
  Figure f;
  f.caption = equation("y", {{a, "x" + notation::sup("2")}, {b, "x"}, {c, ""}}, format);
  const Rational d = b * b - 4 * a * c, h = -b / (2 * a), k = -d / (4 * a);
  const double log10W = log10HalfWidth(a, h, d);
  const AxisScale xs(h, log10W);
  const double hd = xs.at(h), wd = xs.length(log10W);
  Range x{hd - 1.6 * wd, hd + 1.6 * wd};
  // The y axis too, where it stands near enough not to squeeze the curve; the
  // view stays symmetric about the curve's axis.
  if (!xs.shifted() && (sgn(h) == 0 || log10Of(h) <= log10W + std::log10(6.0))) {
    const double half = std::max(1.6 * wd, std::fabs(hd) + 0.4 * wd);
    x = {hd - half, hd + half};
  }
  std::vector<Rational> values;
  Figure::Path path = curve(a, b, c, xs, x, values);
  values.push_back(k);
  const AxisScale ys(0, log10Largest(values));
  Range y;
  for (std::size_t i = 0; i < path.points.size(); ++i)
    y.take(path.points[i].y = ys.at(values[i]));
  y = y.padded(0.08);
  f.paths.push_back(std::move(path));
  chooseUnits(f, x, y, xs == ys);
  f.paths.push_back({{{hd, y.low}, {hd, y.high}}, Stroke::Dashed});
  // The axis is named at the end away from the vertex, where the vertex's own label is.
  const bool up = sgn(a) > 0;
  f.labels.push_back({{hd, up ? y.high : y.low},
                      briefNamed("x", h, format),
                      up ? Anchor::BelowRight : Anchor::AboveRight});
  const double kd = ys.at(k);
  f.dots.push_back({{hd, kd}});
  f.labels.push_back({{hd, kd},
                      "顶点 " + point(h, k, format),
                      sgn(a) > 0 ? Anchor::BelowRight : Anchor::AboveRight});
  rootDots(f, a, d, hd, wd);
  scaleNotes(f, xs, ys, format);
  return f;
}

namespace {

// The part of the line a·u + b·v = c (drawn units, max(|a|, |b|) = 1) inside the view.
std::optional<std::array<Point, 2>> visible(double a, double b, double c, const Range& x,
                                            const Range& y) {
  const double n = a * a + b * b;
  const Point from{c * a / n, c * b / n}, along{-b, a};
  double t0 = -1e308, t1 = 1e308;
  const auto keep = [&](double start, double step, const Range& r) {
    if (step == 0) return r.low <= start && start <= r.high;
    const double ta = (r.low - start) / step, tb = (r.high - start) / step;
    t0 = std::max(t0, std::min(ta, tb));
    t1 = std::min(t1, std::max(ta, tb));
    return t0 <= t1;
  };
  if (!keep(from.x, along.x, x) || !keep(from.y, along.y, y)) return std::nullopt;
  return std::array<Point, 2>{Point{from.x + t0 * along.x, from.y + t0 * along.y},
                              Point{from.x + t1 * along.x, from.y + t1 * along.y}};
}

// "2x + 3y = 12" for a label, long coefficients rounded.
std::string lineEquation(const PlaneLine& l, const NumberFormat& format) {
  bool approximate = false;
  const std::string left = sumBrief({{l.a, "x"}, {l.b, "y"}}, format, approximate);
  const std::string right = sumBrief({{l.c, ""}}, format, approximate);
  return left + (approximate ? " ≈ " : " = ") + right;
}

bool degenerate(const PlaneLine& l) {
  return sgn(l.a) == 0 && sgn(l.b) == 0;
}

bool coincident(const PlaneLine& p, const PlaneLine& q) {
  return !degenerate(p) && !degenerate(q) && p.a * q.b == q.a * p.b && p.a * q.c == q.a * p.c &&
         p.b * q.c == q.b * p.c;
}

// How far from the origin the figure must reach: to the meeting point, or to the
// farthest line.
double log10Reach(const std::array<PlaneLine, 2>& lines,
                  const std::optional<std::array<Rational, 2>>& meeting) {
  double reach = -1e300;
  if (meeting) {
    for (const Rational& v : *meeting)
      if (sgn(v) != 0) reach = std::max(reach, log10Of(v));
  } else {
    for (const PlaneLine& l : lines)
      if (!degenerate(l) && sgn(l.c) != 0)
        reach = std::max(reach,
                         log10Of(l.c) - log10Of(std::max(Rational(abs(l.a)), Rational(abs(l.b)))));
  }
  return reach == -1e300 ? 0 : reach;
}

// The line across the view, named near one end: the first line near the end its
// direction leads to, the second near the other, so that parallel lines' names
// stand apart.
void drawLine(Figure& f, const PlaneLine& l, const AxisScale& s, const Range& x, const Range& y,
              bool first, Stroke stroke, const std::string& name, const NumberFormat& format) {
  const Rational m = std::max(Rational(abs(l.a)), Rational(abs(l.b)));
  const auto part = visible(clampedDouble(l.a / m), clampedDouble(l.b / m), s.at(l.c / m), x, y);
  if (!part) return;
  f.paths.push_back({{(*part)[0], (*part)[1]}, stroke});
  const auto along = [&](double share) {
    if (!first) share = 1 - share;
    return Point{(*part)[0].x * (1 - share) + (*part)[1].x * share,
                 (*part)[0].y * (1 - share) + (*part)[1].y * share};
  };
  f.labels.push_back({along(0.75),
                      name + "：" + lineEquation(l, format),
                      first ? Anchor::AboveLeft : Anchor::BelowRight,
                      {along(0.9), along(0.6), along(0.4), along(0.25), along(0.1)}});
}

}  // namespace

Figure linesFigure(const std::array<PlaneLine, 2>& lines,
                   const std::optional<std::array<Rational, 2>>& meeting,
                   const NumberFormat& format) {
  Figure f;
  const double reach = log10Reach(lines, meeting);
  const AxisScale s(0, reach);
  const double e = s.length(reach);
  Range x{-1.6 * e, 1.6 * e}, y = x;
  if (meeting) {
    const double px = s.at((*meeting)[0]), py = s.at((*meeting)[1]);
    x = {std::min(0.0, px) - 0.6 * e, std::max(0.0, px) + 0.6 * e};
    y = {std::min(0.0, py) - 0.6 * e, std::max(0.0, py) + 0.6 * e};
  }
  setView(f, x, y);
  f.xTick = f.yTick = niceTick(std::max(x.high - x.low, y.high - y.low));
  double noteAt = y.high;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const PlaneLine& l = lines[i];
    if (degenerate(l)) {
      const std::string what =
          sgn(l.c) != 0 ? "不可能成立，没有对应的直线" : "对平面上每一点都成立";
      f.labels.push_back({{x.low, noteAt},
                          l.name + "：0 = " + number(l.c, format) + "，" + what,
                          Anchor::BelowRight});
      noteAt -= (y.high - y.low) * 0.08;
      continue;
    }
    const bool same = i == 1 && coincident(lines[0], l);
    drawLine(f, l, s, x, y, i == 0, same ? Stroke::Dashed : Stroke::Solid,
             same ? l.name + "（与" + lines[0].name + "重合）" : l.name, format);
  }
  const bool both = !degenerate(lines[0]) && !degenerate(lines[1]);
  if (both)
    f.caption = meeting                          ? "两条直线的交点就是方程组的解"
                : coincident(lines[0], lines[1]) ? "两条直线重合，直线上每一点都是解"
                                                 : "两条直线平行，没有交点";
  if (meeting) {
    const Point p{s.at((*meeting)[0]), s.at((*meeting)[1])};
    f.dots.push_back({p, Stroke::Emphasis});
    f.labels.push_back({p, point((*meeting)[0], (*meeting)[1], format), Anchor::BelowRight});
  }
  scaleNotes(f, s, s, format);
  return f;
}

}  // namespace vorlinde::steps::eq
