#pragma once

#include <QRect>
#include <QSize>

namespace vorlinde {

// Where the working window first opens, as a frame in the screen's available
// area, no larger than that area: right of the tool window that asked for it,
// else left of it, else below it; where none of these has room, in the corner of
// the area where it covers least of the tool window.
QRect placeBeside(const QRect& tool, QSize frame, const QRect& area);

}  // namespace vorlinde
