#include "working/figure_painter.h"

#include <QPainter>

#include "working/figure_layout.h"

namespace vorlinde::working {
namespace {

using steps::Stroke;

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kAxis(0x55, 0x55, 0x55);
const QColor kEmphasis(0xc6, 0x28, 0x28);
const QColor kFill(0x4a, 0x7f, 0xc1, 0x30);
const QColor kGround(255, 255, 255, 210);

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

// An arrowhead at the end of the axis, pointing along it.
void arrowHead(QPainter& p, const QLineF& axis, qreal size) {
  const QPointF direction = (axis.p2() - axis.p1()) / axis.length();
  const QPointF back = axis.p2() - direction * size,
                side(-direction.y() * size / 2.5, direction.x() * size / 2.5);
  p.drawPolygon(QPolygonF{axis.p2(), back + side, back - side});
}

void paintAxes(QPainter& p, const FigureLayout& layout) {
  const qreal unit = layout.unit;
  p.setPen(QPen(kAxis, unit));
  p.setBrush(kAxis);
  for (const QLineF& axis : layout.axes) {
    p.drawLine(axis);
    if (axis.length() > 0) arrowHead(p, axis, 7 * unit);
  }
  for (const QLineF& tick : layout.ticks)
    p.drawLine(tick);
}

void paintShapes(QPainter& p, const FigureLayout& layout) {
  p.setPen(Qt::NoPen);
  p.setBrush(kFill);
  for (const QPolygonF& fill : layout.fills)
    p.drawPolygon(fill);
  p.setBrush(Qt::NoBrush);
  for (const FigureLayout::Line& line : layout.lines) {
    p.setPen(penFor(line.stroke, layout.unit));
    p.drawPolyline(line.points);
  }
  for (const FigureLayout::Dot& dot : layout.dots) {
    const QColor colour = dot.emphasis ? kEmphasis : kInk;
    p.setPen(QPen(colour, layout.unit));
    p.setBrush(colour);
    p.drawEllipse(dot.at, dot.radius, dot.radius);
  }
}

void paintTexts(QPainter& p, const FigureLayout& layout) {
  for (const FigureLayout::Text& text : layout.texts) {
    // A label that found no clear place keeps legible on a pale ground.
    const bool label = text.kind == FigureLayout::Text::Label;
    if (label) p.fillRect(text.box, kGround);
    p.setPen(label ? kInk : kAxis);
    p.drawText(text.box, Qt::AlignCenter, text.text);
  }
  p.setPen(kInk);
  p.drawText(layout.captionBox, Qt::AlignHCenter | Qt::AlignTop, layout.caption);
}

}  // namespace

void paintFigure(QPainter& painter, const steps::Figure& figure, const QRectF& area,
                 const QFont& font) {
  if (figure.empty() || !area.isValid()) return;
  const FigureLayout layout = layOutFigure(figure, area, font);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setFont(font);
  paintAxes(painter, layout);
  paintShapes(painter, layout);
  paintTexts(painter, layout);
  painter.restore();
}

}  // namespace vorlinde::working
