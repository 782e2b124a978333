#pragma once

#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <span>
#include <vector>

#include "steps/figure.h"

// The placing of a figure's texts: each label takes the first of its places
// around its point that is clear of the lines drawn and the texts already set.

namespace vorlinde::working {

// The box of a text of that size set against the point on the anchor's side, gap
// away from it (centred on it for Anchor::Centre).
QRectF labelBox(QPointF at, QSizeF size, steps::Anchor anchor, qreal gap);

// The eight places around a point in the order a label tries them: its anchor,
// then the places beside it, nearest first, the opposite one last.
std::vector<steps::Anchor> placesFrom(steps::Anchor anchor);

// What a text must keep clear of: the lines drawn and the boxes already taken.
// A yielding box (a tick's number) may be covered where nothing else is.
class Obstacles {
 public:
  void addLine(const QPolygonF& line);
  void addBox(const QRectF& box, bool yielding = false) {
    (yielding ? yielding_ : boxes_).push_back(box);
  }
  struct Coverage {
    qreal firm = 0, yielding = 0;
    qreal total() const { return firm + yielding; }
  };
  // How much of the box they cover, in square pixels: a line counts as a band
  // two pixels wide, a box by the area it shares; 0 when the box is clear.
  Coverage coverage(const QRectF& box) const;

 private:
  struct Line {
    QPolygonF points;
    QRectF bounds;
  };
  std::vector<Line> lines_;
  std::vector<QRectF> boxes_, yielding_;
};

struct Placed {
  QRectF box;
  qreal covered = 0;  // 0 when clear of all but yielding boxes
};

// The first clear place of those given whose box lies inside the figure, tried
// at each gap in turn; else the first that covers only yielding boxes; else the
// one covering least; where none lies inside, the one reaching out least, moved
// inside.
Placed placeLabel(QPointF at, QSizeF size, std::span<const steps::Anchor> places,
                  std::span<const qreal> gaps, const Obstacles& obstacles, const QRectF& inside);

}  // namespace vorlinde::working
