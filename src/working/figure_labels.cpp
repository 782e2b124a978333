#include "working/figure_labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "working/figure_geometry.h"

namespace vorlinde::working {
namespace {

using steps::Anchor;

// The places around a point counterclockwise from the right.
constexpr std::array kRound{Anchor::Right, Anchor::AboveRight, Anchor::Above, Anchor::AboveLeft,
                            Anchor::Left,  Anchor::BelowLeft,  Anchor::Below, Anchor::BelowRight};

// A line counts as a band this wide, in pixels.
constexpr qreal kLineWidth = 2;

qreal area(const QRectF& r) {
  return r.isEmpty() ? 0 : r.width() * r.height();
}

// How far the box reaches out of the rectangle, as an area.
qreal outside(const QRectF& box, const QRectF& inside) {
  return area(box) - area(box & inside);
}

// The box moved the least way that brings it inside, where it fits.
QRectF movedInside(QRectF box, const QRectF& inside) {
  box.moveLeft(
      std::clamp(box.left(), inside.left(), std::max(inside.left(), inside.right() - box.width())));
  box.moveTop(
      std::clamp(box.top(), inside.top(), std::max(inside.top(), inside.bottom() - box.height())));
  return box;
}

}  // namespace

QRectF labelBox(QPointF at, QSizeF size, Anchor anchor, qreal gap) {
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
  return {QPointF(x, y), size};
}

std::vector<Anchor> placesFrom(Anchor anchor) {
  const auto at = std::find(kRound.begin(), kRound.end(), anchor);
  if (at == kRound.end()) return {anchor};
  const int start = int(at - kRound.begin());
  std::vector<Anchor> places{anchor};
  for (int step = 1; step <= 4; ++step) {
    places.push_back(kRound[(start + step) % 8]);
    if (step < 4) places.push_back(kRound[(start + 8 - step) % 8]);
  }
  return places;
}

void Obstacles::addLine(const QPolygonF& line) {
  if (!line.isEmpty()) lines_.push_back({line, line.boundingRect()});
}

Obstacles::Coverage Obstacles::coverage(const QRectF& box) const {
  Coverage covered;
  for (const QRectF& taken : boxes_)
    covered.firm += area(box & taken);
  for (const QRectF& taken : yielding_)
    covered.yielding += area(box & taken);
  // A line passing within a pixel of the text touches it.
  const QRectF near = box.adjusted(-1, -1, 1, 1);
  for (const Line& line : lines_) {
    // A line of no width or height has an empty bounding rectangle; compare edges.
    if (line.bounds.right() < near.left() || line.bounds.left() > near.right() ||
        line.bounds.bottom() < near.top() || line.bounds.top() > near.bottom())
      continue;
    for (qsizetype i = 0; i + 1 < line.points.size(); ++i)
      if (const auto part = clipSegment(line.points[i], line.points[i + 1], near))
        covered.firm += std::max(part->length(), 0.5) * kLineWidth;
  }
  return covered;
}

Placed placeLabel(QPointF at, QSizeF size, std::span<const Anchor> places,
                  std::span<const qreal> gaps, const Obstacles& obstacles, const QRectF& inside) {
  constexpr qreal kNone = std::numeric_limits<qreal>::infinity();
  std::optional<QRectF> firmlyClear;
  Placed least{{}, kNone};
  qreal leastOut = kNone;
  QRectF leastOutBox;
  for (const qreal gap : gaps)
    for (const Anchor anchor : places) {
      const QRectF box = labelBox(at, size, anchor, gap);
      if (!inside.contains(box)) {
        if (const qreal out = outside(box, inside); out < leastOut)
          leastOut = out, leastOutBox = box;
        continue;
      }
      const Obstacles::Coverage covered = obstacles.coverage(box);
      if (covered.total() == 0) return {box, 0};
      if (covered.firm == 0 && !firmlyClear) firmlyClear = box;
      if (covered.total() < least.covered) least = {box, covered.total()};
    }
  if (firmlyClear) return {*firmlyClear, 0};
  if (least.covered < kNone) return least;
  const QRectF moved = movedInside(leastOutBox, inside);
  return {moved, obstacles.coverage(moved).total()};
}

}  // namespace vorlinde::working
