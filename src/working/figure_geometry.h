#pragma once

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "steps/figure.h"

// The figure's units mapped onto the page, and shapes clipped to what is seen,
// so that the painter only ever meets coordinates of a sensible size.

namespace vorlinde::working {

class FigureMap {
 public:
  // The figure's view fitted into the area and centred in it, in the view's own
  // shape where one unit is as long across as up, in the figure's aspect where
  // the units differ: never stretched to the area. A view of no width or height
  // is widened.
  FigureMap(const steps::Figure& figure, const QRectF& area);

  // Where the view stands on the page.
  const QRectF& plot() const { return plot_; }

  // The point on the page, within a billion pixels of it; nothing when not finite.
  std::optional<QPointF> map(steps::Point p) const;
  // The figure's units shown across and up: the plot mapped back.
  double left() const { return cx_ - (plot_.center().x() - plot_.left()) / sx_; }
  double right() const { return cx_ + (plot_.right() - plot_.center().x()) / sx_; }
  double bottom() const { return cy_ - (plot_.bottom() - plot_.center().y()) / sy_; }
  double top() const { return cy_ + (plot_.center().y() - plot_.top()) / sy_; }

 private:
  QRectF plot_;
  double cx_ = 0, cy_ = 0, sx_ = 1, sy_ = 1;
};

// The part of the segment inside the rectangle, if any.
std::optional<QLineF> clipSegment(QPointF a, QPointF b, const QRectF& rect);
// The parts of a polyline inside the rectangle, each a polyline of its own.
std::vector<QPolygonF> clipPolyline(const QPolygonF& line, const QRectF& rect);
// A closed polygon cut down to the rectangle.
QPolygonF clipPolygon(const QPolygonF& polygon, const QRectF& rect);
// The points of an arc of an ellipse, in the figure's units.
std::vector<steps::Point> ellipsePoints(const steps::Figure::Ellipse& ellipse);

// The tick values from low to high, 0 left out: every step, or every second,
// fifth or tenth one where more than `most` would crowd the axis.
std::vector<double> tickValues(double low, double high, double step, double most);
// A tick's number as the axis shows it, with a true minus sign.
QString tickText(double value);

}  // namespace vorlinde::working
