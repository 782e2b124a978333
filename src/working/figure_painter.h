#pragma once

#include <QFont>
#include <QRectF>

#include "steps/figure.h"

class QPainter;

namespace vorlinde::working {

// Draws the figure into the area, scaled to fit with a margin for its labels and
// its caption under it. Any finite coordinates are safe: shapes are clipped to
// the area before they are drawn, and a degenerate view is widened.
void paintFigure(QPainter& painter, const steps::Figure& figure, const QRectF& area,
                 const QFont& font);

}  // namespace vorlinde::working
