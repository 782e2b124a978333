#pragma once

#include <QPoint>
#include <QRect>

namespace vorlinde {

// Where a window's frame goes so that it lies within the screen's available area:
// moved left and up just as far as it must, never right or down, and never past
// the area's left or top edge, so a window larger than the screen keeps its title
// bar on it.
QPoint keptOnScreen(const QRect& frame, const QRect& available);

}  // namespace vorlinde
