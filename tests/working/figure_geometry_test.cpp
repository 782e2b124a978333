#include <gtest/gtest.h>

#include <QRectF>
#include <vector>

#include "working/figure_geometry.h"
#include "working/figure_labels.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRectF& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ") " << r.width() << " × " << r.height();
}
QT_END_NAMESPACE

namespace vorlinde::working {
namespace {

using steps::Anchor;

steps::Figure view(double left, double bottom, double right, double top, bool same, double aspect) {
  steps::Figure f;
  f.left = left, f.bottom = bottom, f.right = right, f.top = top;
  f.sameScale = same;
  f.aspect = aspect;
  return f;
}

void expectNear(const QRectF& got, const QRectF& want) {
  EXPECT_NEAR(got.left(), want.left(), 1e-9);
  EXPECT_NEAR(got.top(), want.top(), 1e-9);
  EXPECT_NEAR(got.width(), want.width(), 1e-9);
  EXPECT_NEAR(got.height(), want.height(), 1e-9);
}

// The view's corners land on the plot's, and the plot never takes the area's shape.
TEST(FigureMap, KeepsTheProportionsAtAnySize) {
  const struct {
    const char* what;
    steps::Figure figure;
    QRectF area, plot;
  } cases[] = {
      {"6 × 2, room to spare", view(0, 0, 6, 2, true, 1), {0, 0, 900, 300}, {0, 0, 900, 300}},
      {"6 × 2, maximized", view(0, 0, 6, 2, true, 1), {0, 0, 1800, 300}, {450, 0, 900, 300}},
      {"6 × 2, tall", view(0, 0, 6, 2, true, 1), {0, 0, 300, 900}, {0, 400, 300, 100}},
      {"2 × 6, wide", view(-1, -3, 1, 3, true, 1), {10, 20, 600, 300}, {260, 20, 100, 300}},
      {"units apart, maximized",
       view(0, 0, 100, 1, false, 4.0 / 3),
       {0, 0, 1800, 300},
       {700, 0, 400, 300}},
      {"units apart, tall",
       view(0, 0, 100, 1, false, 4.0 / 3),
       {0, 0, 300, 900},
       {0, 337.5, 300, 225}},
      {"units apart, 2 : 1",
       view(-5, 0, 5, 1e6, false, 2),
       {10, 20, 400, 400},
       {10, 120, 400, 200}},
      {"a point widened to a unit square",
       view(3, 3, 3, 3, true, 1),
       {0, 0, 200, 100},
       {50, 0, 100, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const FigureMap map(c.figure, c.area);
    expectNear(map.plot(), c.plot);
    if (c.figure.left == c.figure.right) continue;
    const QPointF lowLeft = *map.map({c.figure.left, c.figure.bottom});
    const QPointF highRight = *map.map({c.figure.right, c.figure.top});
    expectNear(QRectF(lowLeft.x(), highRight.y(), highRight.x() - lowLeft.x(),
                      lowLeft.y() - highRight.y()),
               c.plot);
  }
}

TEST(FigureTicks, EveryStepOrFewerWhereTheyCrowd) {
  const struct {
    double low, high, step, most;
    std::vector<double> values;
  } cases[] = {
      {-1.5, 4.5, 1, 10, {-1, 1, 2, 3, 4}},
      {-1.5, 4.5, 0.5, 6, {-1, 1, 2, 3, 4}},  // every second
      {-1.5, 4.5, 0.5, 5, {2.5}},             // every fifth
      {0, 100, 1, 6, {20, 40, 60, 80, 100}},  // every twentieth
      {-3.2, -0.9, 1, 10, {-3, -2, -1}},
      {0.2, 0.8, 1, 10, {}},
      {1, 2, 0, 10, {}},
      {2, 1, 1, 10, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tickValues(c.low, c.high, c.step, c.most), c.values) << c.low << " " << c.step;
  EXPECT_EQ(tickText(-2.5), QString::fromUtf8("−2.5"));
}

TEST(FigureClip, KeepsThePartsInside) {
  const QRectF r(0, 0, 10, 10);
  const struct {
    const char* what;
    QPolygonF line;
    std::vector<QPolygonF> parts;
  } cases[] = {
      {"inside", {{1, 1}, {9, 9}}, {{{1, 1}, {9, 9}}}},
      {"across", {{-5, 5}, {15, 5}}, {{{0, 5}, {10, 5}}}},
      {"out at the foot and back",
       {{2, 8}, {4, 12}, {6, 8}},
       {{{2, 8}, {3, 10}}, {{5, 10}, {6, 8}}}},
      {"out at the top", {{2, 2}, {2, -6}, {8, -6}, {8, 2}}, {{{2, 2}, {2, 0}}, {{8, 0}, {8, 2}}}},
      {"past a corner", {{-1, 11}, {11, -1}}, {{{0, 10}, {10, 0}}}},
      {"wholly outside", {{11, 0}, {20, 10}}, {}},
      {"a point inside", {{5, 5}}, {{{5, 5}}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(clipPolyline(c.line, r), c.parts) << c.what;
  EXPECT_EQ(clipPolygon({{-5, 5}, {5, -5}, {15, 5}, {5, 15}}, r).boundingRect(), r);
}

TEST(FigureLabels, BoxOnTheAnchorsSide) {
  const QPointF at(100, 100);
  const QSizeF size(20, 10);
  const struct {
    Anchor anchor;
    QRectF box;
  } cases[] = {
      {Anchor::Centre, {90, 95, 20, 10}},       {Anchor::Above, {90, 85, 20, 10}},
      {Anchor::Below, {90, 105, 20, 10}},       {Anchor::Left, {75, 95, 20, 10}},
      {Anchor::Right, {105, 95, 20, 10}},       {Anchor::AboveLeft, {75, 85, 20, 10}},
      {Anchor::AboveRight, {105, 85, 20, 10}},  {Anchor::BelowLeft, {75, 105, 20, 10}},
      {Anchor::BelowRight, {105, 105, 20, 10}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(labelBox(at, size, c.anchor, 5), c.box) << int(c.anchor);
}

// A label 20 × 10 at (100, 100), 5 away, preferring the place above on the right.
TEST(FigureLabels, TakesTheFirstClearPlace) {
  const auto box = [](Anchor a) { return labelBox({100, 100}, {20, 10}, a, 5); };
  const struct {
    const char* what;
    std::vector<QPolygonF> lines;
    std::vector<QRectF> boxes;
    QRectF inside;
    QRectF placed;
    bool clear;
  } cases[] = {
      {"nothing in the way", {}, {}, {0, 0, 200, 200}, box(Anchor::AboveRight), true},
      {"a line through the first place",
       {{{100, 90}, {200, 90}}},
       {},
       {0, 0, 200, 200},
       box(Anchor::Right),
       true},
      {"a curve out of the point, up and to the right",
       {{{100, 100}, {110, 80}, {130, 70}}},
       {},
       {0, 0, 200, 200},
       box(Anchor::Right),
       true},
      {"a text taken there",
       {},
       {box(Anchor::AboveRight).adjusted(-10, 0, 0, 5)},
       {0, 0, 200, 200},
       box(Anchor::AboveLeft),
       true},
      {"the figure's edge", {}, {}, {0, 0, 120, 200}, box(Anchor::Above), true},
      {"lines every way: the least covered",
       {{{60, 88}, {140, 88}},
        {{60, 112}, {140, 112}},
        {{92, 60}, {92, 140}},
        {{108, 60}, {108, 140}}},
       {},
       {0, 0, 200, 200},
       box(Anchor::Right),
       false},
      {"no room: moved inside", {}, {}, {100, 100, 15, 30}, {100, 105, 20, 10}, true},
  };
  const std::vector<Anchor> places = placesFrom(Anchor::AboveRight);
  const qreal gaps[] = {5};
  for (const auto& c : cases) {
    Obstacles obstacles;
    for (const QPolygonF& line : c.lines)
      obstacles.addLine(line);
    for (const QRectF& taken : c.boxes)
      obstacles.addBox(taken);
    const Placed placed = placeLabel({100, 100}, {20, 10}, places, gaps, obstacles, c.inside);
    EXPECT_EQ(placed.box, c.placed) << c.what;
    EXPECT_EQ(placed.covered == 0, c.clear) << c.what;
  }
}

}  // namespace
}  // namespace vorlinde::working
