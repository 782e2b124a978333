#include "working/figure_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace vorlinde::working {
namespace {

constexpr double kFar = 1e9;  // pixels: farther than any page, near enough to compute with

double finiteOr(double value, double fallback) {
  return std::isfinite(value) ? value : fallback;
}

// Half the view's extent along one axis, never zero nor so small that scaling overflows.
double halfExtent(double low, double high) {
  return std::abs(high / 2 - low / 2);
}

// One step of Sutherland–Hodgman: keeps the side of a line where inside() holds.
template <typename Inside, typename Cross>
QPolygonF keep(const QPolygonF& polygon, Inside inside, Cross cross) {
  QPolygonF out;
  for (qsizetype i = 0; i < polygon.size(); ++i) {
    const QPointF a = polygon[i], b = polygon[(i + 1) % polygon.size()];
    if (inside(a)) out << a;
    if (inside(a) != inside(b)) out << cross(a, b);
  }
  return out;
}

QPointF atX(QPointF a, QPointF b, double x) {
  return {x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())};
}
QPointF atY(QPointF a, QPointF b, double y) {
  return {a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y};
}

}  // namespace

FigureMap::FigureMap(const steps::Figure& figure, const QRectF& area) : plot_(area) {
  const double left = finiteOr(figure.left, -1), right = finiteOr(figure.right, 1);
  const double bottom = finiteOr(figure.bottom, -1), top = finiteOr(figure.top, 1);
  cx_ = left / 2 + right / 2;
  cy_ = bottom / 2 + top / 2;
  double w = halfExtent(left, right), h = halfExtent(bottom, top);
  // A view of no width takes its height, and the other way round; a point becomes a unit.
  constexpr double kLeast = 1e-200;
  if (!(w > kLeast)) w = h > kLeast ? h : 1;
  if (!(h > kLeast)) h = w;
  const double aspect = figure.sameScale                                    ? w / h
                        : std::isfinite(figure.aspect) && figure.aspect > 0 ? figure.aspect
                                                                            : 1;
  // The largest rectangle of that shape in the area.
  const QSizeF room(std::max(area.width(), 1.0), std::max(area.height(), 1.0));
  const QSizeF size = room.width() / room.height() > aspect
                          ? QSizeF(room.height() * aspect, room.height())
                          : QSizeF(room.width(), room.width() / aspect);
  plot_ = QRectF(area.center() - QPointF(size.width(), size.height()) / 2, size);
  sx_ = size.width() / (2 * w);
  sy_ = size.height() / (2 * h);
}

std::optional<QPointF> FigureMap::map(steps::Point p) const {
  const double x = plot_.center().x() + (p.x / 2 - cx_ / 2) * 2 * sx_;
  const double y = plot_.center().y() - (p.y / 2 - cy_ / 2) * 2 * sy_;
  if (std::isnan(x) || std::isnan(y)) return std::nullopt;
  return QPointF(std::clamp(x, -kFar, kFar), std::clamp(y, -kFar, kFar));
}

// Liang–Barsky: the part of the segment inside the rectangle, if any.
std::optional<QLineF> clipSegment(QPointF a, QPointF b, const QRectF& r) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (!edge(-dx, a.x() - r.left()) || !edge(dx, r.right() - a.x()) || !edge(-dy, a.y() - r.top()) ||
      !edge(dy, r.bottom() - a.y()))
    return std::nullopt;
  return QLineF(a.x() + t0 * dx, a.y() + t0 * dy, a.x() + t1 * dx, a.y() + t1 * dy);
}

std::vector<QPolygonF> clipPolyline(const QPolygonF& line, const QRectF& rect) {
  std::vector<QPolygonF> parts;
  if (line.size() == 1 && rect.contains(line[0])) parts.push_back(line);
  for (qsizetype i = 0; i + 1 < line.size(); ++i) {
    const auto piece = clipSegment(line[i], line[i + 1], rect);
    if (!piece) continue;
    // A piece that starts where the last one ended carries the polyline on.
    if (!parts.empty() && parts.back().last() == piece->p1())
      parts.back() << piece->p2();
    else
      parts.push_back(QPolygonF{piece->p1(), piece->p2()});
  }
  return parts;
}

QPolygonF clipPolygon(const QPolygonF& polygon, const QRectF& r) {
  QPolygonF out = polygon;
  out = keep(
      out, [&](QPointF p) { return p.x() >= r.left(); },
      [&](QPointF a, QPointF b) { return atX(a, b, r.left()); });
  out = keep(
      out, [&](QPointF p) { return p.x() <= r.right(); },
      [&](QPointF a, QPointF b) { return atX(a, b, r.right()); });
  out = keep(
      out, [&](QPointF p) { return p.y() >= r.top(); },
      [&](QPointF a, QPointF b) { return atY(a, b, r.top()); });
  out = keep(
      out, [&](QPointF p) { return p.y() <= r.bottom(); },
      [&](QPointF a, QPointF b) { return atY(a, b, r.bottom()); });
  return out;
}

std::vector<double> tickValues(double low, double high, double step, double most) {
  if (!(step > 0) || !std::isfinite(step) || !(high >= low)) return {};
  for (int k = 0; (high - low) / step > most && std::isfinite(step); ++k)
    step *= (k % 3 == 1) ? 2.5 : 2;
  const double first = std::ceil(low / step), last = std::floor(high / step);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first > 200) return {};
  std::vector<double> values;
  for (double n = first; n <= last; ++n)
    if (n != 0) values.push_back(n * step);
  return values;
}

QString tickText(double value) {
  return QString::number(value, 'g', 6).replace('-', QChar(0x2212));
}

std::vector<steps::Point> ellipsePoints(const steps::Figure::Ellipse& e) {
  const double span = std::clamp(finiteOr(e.spanDegrees, 360), -360.0, 360.0);
  const double start = std::fmod(finiteOr(e.startDegrees, 0), 360.0);
  const int steps = std::clamp(int(std::ceil(std::abs(span) / 3)), 8, 120);
  std::vector<steps::Point> points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (start + span * i / steps) * std::numbers::pi / 180;
    points.push_back({e.centre.x + e.rx * std::cos(a), e.centre.y + e.ry * std::sin(a)});
  }
  return points;
}

}  // namespace vorlinde::working
