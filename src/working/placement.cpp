#include "working/placement.h"

#include <algorithm>
#include <limits>

namespace vorlinde {
namespace {

constexpr int kGap = 8;  // pixels between the two frames, as between the tool windows

long long covered(const QRect& r, const QRect& tool) {
  const QRect both = r.intersected(tool);
  return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

}  // namespace

QRect placeBeside(const QRect& tool, QSize frame, const QRect& area) {
  frame = frame.boundedTo(area.size());
  const int lastX = area.right() + 1 - frame.width(), lastY = area.bottom() + 1 - frame.height();
  const int top = std::clamp(tool.top(), area.top(), lastY);
  const QRect beside[] = {
      {QPoint(tool.right() + 1 + kGap, top), frame},
      {QPoint(tool.left() - kGap - frame.width(), top), frame},
      {QPoint(std::clamp(tool.left(), area.left(), lastX), tool.bottom() + 1 + kGap), frame},
  };
  for (const QRect& r : beside)
    if (area.contains(r)) return r;
  // What a frame covers of the tool window is least with the frame in a corner.
  QRect best;
  long long least = std::numeric_limits<long long>::max();
  for (const int x : {lastX, area.left()})
    for (const int y : {area.top(), lastY})
      if (const QRect r(QPoint(x, y), frame); covered(r, tool) < least) {
        least = covered(r, tool);
        best = r;
      }
  return best;
}

}  // namespace vorlinde
