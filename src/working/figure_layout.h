#pragma once

#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

#include "steps/figure.h"

// A figure laid out on the page: every line, dot and text where it is drawn, in
// pixels, its lines clipped to what is seen and its texts placed clear of them.

namespace vorlinde::working {

struct FigureLayout {
  struct Line {
    QPolygonF points;
    steps::Stroke stroke = steps::Stroke::Solid;
  };
  struct Dot {
    QPointF at;
    qreal radius = 0;
    bool emphasis = false;
  };
  struct Text {
    enum Kind { Label, AxisName, Number };  // the axes' names and numbers in grey, unground
    QRectF box;
    QString text;
    Kind kind = Label;
  };

  QRectF plot;  // where the figure's view stands
  std::vector<QPolygonF> fills;
  std::vector<Line> lines;   // the figure's paths and ellipses, in parts where clipped
  std::vector<QLineF> axes;  // each ending at its arrow's tip
  std::vector<QLineF> ticks;
  std::vector<Dot> dots;
  std::vector<Text> texts;
  QRectF captionBox;
  QString caption;
  qreal unit = 1;  // a sixteenth of the font's size: the strokes' widths
};

// The figure in the area, scaled to fit with a margin for its labels and its
// caption under it. Any finite coordinates are safe; a degenerate view is widened.
FigureLayout layOutFigure(const steps::Figure& figure, const QRectF& area, const QFont& font);

}  // namespace vorlinde::working
