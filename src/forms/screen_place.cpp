#include "forms/screen_place.h"

#include <algorithm>

namespace vorlinde {
namespace {

// The new start of a span that may end past the available end.
int keptWithin(int start, int end, int availableStart, int availableEnd) {
  if (end <= availableEnd) return start;
  return std::min(start, std::max(availableStart, start - (end - availableEnd)));
}

}  // namespace

QPoint keptOnScreen(const QRect& frame, const QRect& available) {
  return {keptWithin(frame.left(), frame.right(), available.left(), available.right()),
          keptWithin(frame.top(), frame.bottom(), available.top(), available.bottom())};
}

}  // namespace vorlinde
