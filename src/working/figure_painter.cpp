#include "working/figure_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "exact/notation.h"
#include "working/figure_geometry.h"

namespace vorlinde::working {
namespace {

using steps::Figure;
using steps::Stroke;

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kAxis(0x55, 0x55, 0x55);
const QColor kEmphasis(0xc6, 0x28, 0x28);
const QColor kFill(0x4a, 0x7f, 0xc1, 0x30);

QPen penFor(Stroke stroke, qreal unit) {
  switch (stroke) {
    case Stroke::Dashed:
      return QPen(kInk, unit, Qt::DashLine);
    case Stroke::Thin:
      return QPen(QColor(0x99, 0x99, 0x99), unit * 0.75);
    case Stroke::Emphasis:
      return QPen(kEmphasis, unit * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    case Stroke::Solid:
      break;
  }
  return QPen(kInk, unit * 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

class FigurePainter {
 public:
  FigurePainter(QPainter& painter, const Figure& figure, const QRectF& area, const QFont& font)
      : p_(painter), figure_(figure), font_(font), fm_(font), unit_(font.pixelSize() / 16.0) {
    const qreal margin = fm_.height() * 1.1;
    const qreal caption = figure.caption.empty() ? 0 : fm_.height() * 1.3;
    QRectF plot = area.adjusted(margin, margin, -margin, -margin - caption);
    if (plot.width() < 1 || plot.height() < 1) plot = QRectF(area.center(), QSizeF(1, 1));
    map_.emplace(figure, plot);
    plot_ = map_->plot();
    // Shapes are cut at the view's edge, a hair past it so that strokes on the edge show.
    clip_ = plot_.adjusted(-2 * unit_, -2 * unit_, 2 * unit_, 2 * unit_);
    captionArea_ = QRectF(area.left(), plot_.bottom() + margin * 0.5, area.width(), caption);
  }

  void paint() {
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setFont(font_);
    if (figure_.axes) paintAxes();
    for (const Figure::Path& path : figure_.paths)
      paintPath(path.points, path.stroke, path.closed, path.filled);
    for (const Figure::Ellipse& e : figure_.ellipses)
      paintPath(ellipsePoints(e), e.stroke, false, false);
    for (const Figure::Dot& dot : figure_.dots)
      paintDot(dot);
    for (const Figure::Label& label : figure_.labels)
      paintLabel(label.at, QString::fromStdString(notation::plain(label.text)), label.anchor);
    p_.setPen(kInk);
    p_.drawText(captionArea_, Qt::AlignHCenter | Qt::AlignTop,
                QString::fromStdString(notation::plain(figure_.caption)));
    p_.restore();
  }

 private:
  QPolygonF mapped(const std::vector<steps::Point>& points) const {
    QPolygonF out;
    for (const steps::Point& point : points)
      if (const auto at = map_->map(point)) out << *at;
    return out;
  }

  void paintPath(const std::vector<steps::Point>& points, Stroke stroke, bool closed, bool filled) {
    QPolygonF line = mapped(points);
    if (closed && filled && line.size() > 2) {
      const QPolygonF inside = clipPolygon(line, clip_);
      p_.setPen(Qt::NoPen);
      p_.setBrush(kFill);
      p_.drawPolygon(inside);
    }
    if (closed && line.size() > 2) line << line.first();
    p_.setPen(penFor(stroke, unit_));
    drawClipped(line);
  }

  void drawClipped(const QPolygonF& line) {
    p_.save();
    p_.setBrush(Qt::NoBrush);
    for (const QPolygonF& part : clipPolyline(line, clip_))
      p_.drawPolyline(part);
    p_.restore();
  }

  void paintDot(const Figure::Dot& dot) {
    const auto at = map_->map(dot.at);
    if (!at || !clip_.contains(*at)) return;
    const bool emphasis = dot.stroke == Stroke::Emphasis;
    const qreal radius = unit_ * (emphasis ? 4 : 3);
    p_.setPen(QPen(emphasis ? kEmphasis : kInk, unit_));
    p_.setBrush(emphasis ? kEmphasis : kInk);
    p_.drawEllipse(*at, radius, radius);
  }

  void paintLabel(steps::Point point, const QString& text, steps::Anchor anchor) {
    const auto at = map_->map(point);
    if (!at || !clip_.contains(*at)) return;
    paintText(*at, text, anchor, kInk, true);
  }

  // Text set against a point, a little away from it on the anchor's side.
  // A label can stand on a line of the figure; a pale ground keeps it legible.
  void paintText(QPointF at, const QString& text, steps::Anchor anchor, const QColor& colour,
                 bool grounded = false) {
    using steps::Anchor;
    const QSizeF size(fm_.horizontalAdvance(text), fm_.height());
    const qreal gap = 4 * unit_;
    const bool left =
        anchor == Anchor::Left || anchor == Anchor::AboveLeft || anchor == Anchor::BelowLeft;
    const bool right =
        anchor == Anchor::Right || anchor == Anchor::AboveRight || anchor == Anchor::BelowRight;
    const bool above =
        anchor == Anchor::Above || anchor == Anchor::AboveLeft || anchor == Anchor::AboveRight;
    const bool below =
        anchor == Anchor::Below || anchor == Anchor::BelowLeft || anchor == Anchor::BelowRight;
    const qreal x = left    ? at.x() - gap - size.width()
                    : right ? at.x() + gap
                            : at.x() - size.width() / 2;
    const qreal y = above   ? at.y() - gap - size.height()
                    : below ? at.y() + gap
                            : at.y() - size.height() / 2;
    const QRectF box(QPointF(x, y), size);
    if (grounded) p_.fillRect(box.adjusted(-unit_, 0, unit_, 0), QColor(255, 255, 255, 210));
    p_.setPen(colour);
    p_.drawText(box, Qt::AlignCenter, text);
  }

  void paintAxes();
  void paintTicks(bool across, double step);

  QPainter& p_;
  const Figure& figure_;
  QFont font_;
  QFontMetricsF fm_;
  qreal unit_;
  QRectF plot_, clip_, captionArea_;
  std::optional<FigureMap> map_;
};

// An arrowhead at the end of an axis, pointing along it.
void arrowHead(QPainter& p, QPointF tip, QPointF direction, qreal size) {
  const QPointF back = tip - direction * size,
                side(-direction.y() * size / 2.5, direction.x() * size / 2.5);
  p.drawPolygon(QPolygonF{tip, back + side, back - side});
}

// The axes run a little past the view, their arrows and names clear of the last ticks.
void FigurePainter::paintAxes() {
  const std::optional<QPointF> origin = map_->map({0, 0});
  if (!origin) return;
  const QRectF view = plot_.adjusted(-0.5, -0.5, 0.5, 0.5);
  const qreal arrow = 7 * unit_, reach = 14 * unit_, overhang = 6 * unit_;
  const bool across = view.top() <= origin->y() && origin->y() <= view.bottom();
  const bool up = view.left() <= origin->x() && origin->x() <= view.right();
  p_.setPen(QPen(kAxis, unit_));
  p_.setBrush(kAxis);
  if (across) {
    const QPointF tip(plot_.right() + reach, origin->y());
    p_.drawLine(QPointF(plot_.left() - overhang, origin->y()), tip);
    arrowHead(p_, tip, QPointF(1, 0), arrow);
    paintText(tip, "x", steps::Anchor::BelowLeft, kAxis);
  }
  if (up) {
    const QPointF tip(origin->x(), plot_.top() - reach);
    p_.drawLine(QPointF(origin->x(), plot_.bottom() + overhang), tip);
    arrowHead(p_, tip, QPointF(0, -1), arrow);
    paintText(tip, "y", steps::Anchor::BelowRight, kAxis);
  }
  if (across) paintTicks(true, figure_.xTick);
  if (up) paintTicks(false, figure_.yTick);
  if (across && up) paintText(*origin, "O", steps::Anchor::BelowLeft, kAxis);
}

// Ticks every step along one axis, labelled with their numbers; where they
// would crowd, every second, fifth or tenth one.
void FigurePainter::paintTicks(bool across, double step) {
  if (!(step > 0) || !std::isfinite(step)) return;
  const double low = across ? map_->left() : map_->bottom();
  const double high = across ? map_->right() : map_->top();
  const double pixels = across ? plot_.width() : plot_.height();
  const double most = std::max(2.0, pixels / (fm_.height() * (across ? 2 : 1.2)));
  for (int k = 0; (high - low) / step > most && std::isfinite(step); ++k)
    step *= (k % 3 == 1) ? 2.5 : 2;
  const double first = std::ceil(low / step), last = std::floor(high / step);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first > 200) return;
  const qreal size = 3 * unit_;
  for (int n = 0; n <= int(last - first); ++n) {
    const double value = (first + n) * step;
    if (value == 0) continue;
    const QPointF at = *map_->map(across ? steps::Point{value, 0} : steps::Point{0, value});
    p_.setPen(QPen(kAxis, unit_));
    p_.drawLine(at, at + (across ? QPointF(0, -size) : QPointF(size, 0)));
    const QString text = QString::number(value, 'g', 6).replace('-', QChar(0x2212));
    paintText(at, text, across ? steps::Anchor::Below : steps::Anchor::Left, kAxis);
  }
}

}  // namespace

void paintFigure(QPainter& painter, const steps::Figure& figure, const QRectF& area,
                 const QFont& font) {
  if (figure.empty() || !area.isValid()) return;
  FigurePainter(painter, figure, area, font).paint();
}

}  // namespace vorlinde::working
