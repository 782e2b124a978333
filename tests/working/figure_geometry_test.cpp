#include <gtest/gtest.h>

#include <vector>

#include "working/figure_geometry.h"
#include "working/figure_labels.h"

namespace vorlinde::working {
namespace {

using steps::Anchor;

// The plot never takes the area's shape, and the view's corners land on its corners.
TEST(FigureMap, KeepsTheProportionsAtAnySize) {
  const struct {
    double right, top;  // from (0, 0)
    bool sameScale;
    QRectF area, plot;
  } cases[] = {
      {6, 2, true, {0, 0, 900, 300}, {0, 0, 900, 300}},
      {6, 2, true, {0, 0, 1800, 300}, {450, 0, 900, 300}},
      {6, 2, true, {0, 0, 300, 900}, {0, 400, 300, 100}},
      {2, 6, true, {10, 20, 600, 300}, {260, 20, 100, 300}},
      {100, 1, false, {0, 0, 1800, 300}, {700, 0, 400, 300}},  // units apart, 4 : 3
      {100, 1, false, {0, 0, 300, 900}, {0, 337.5, 300, 225}},
      {0, 0, true, {0, 0, 200, 100}, {50, 0, 100, 100}},  // a point widened to a unit square
  };
  for (const auto& c : cases) {
    steps::Figure f;
    f.right = c.right, f.top = c.top, f.sameScale = c.sameScale;
    const FigureMap map(f, c.area);
    EXPECT_EQ(map.plot(), c.plot) << c.right << " × " << c.top;
    if (c.right > 0) {
      EXPECT_EQ(QRectF(*map.map({0, c.top}), *map.map({c.right, 0})), c.plot);
    }
  }
}

TEST(FigureTicks, EveryStepOrFewerWhereTheyCrowd) {
  const struct {
    double low, high, step, most;
    std::vector<double> values;
  } cases[] = {
      {-1.5, 4.5, 1, 10, {-1, 1, 2, 3, 4}},
      {-1.5, 4.5, 0.5, 5, {2.5}},
      {0, 100, 1, 6, {20, 40, 60, 80, 100}},
      {-3.2, -0.9, 1, 10, {-3, -2, -1}},
      {0.2, 0.8, 1, 10, {}},
      {1, 2, 0, 10, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tickValues(c.low, c.high, c.step, c.most), c.values) << c.low << " " << c.step;
}

TEST(FigureClip, KeepsThePartsInside) {
  const struct {
    QPolygonF line;
    std::vector<QPolygonF> parts;
  } cases[] = {
      {{{1, 1}, {9, 9}}, {{{1, 1}, {9, 9}}}},
      {{{-5, 5}, {15, 5}}, {{{0, 5}, {10, 5}}}},
      {{{2, 8}, {4, 12}, {6, 8}}, {{{2, 8}, {3, 10}}, {{5, 10}, {6, 8}}}},  // out at the foot
      {{{2, 2}, {2, -6}, {8, -6}, {8, 2}}, {{{2, 2}, {2, 0}}, {{8, 0}, {8, 2}}}},  // at the top
      {{{11, 0}, {20, 10}}, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(clipPolyline(c.line, {0, 0, 10, 10}), c.parts) << c.line.first().y();
}

// A label 20 × 10 at (100, 100), 5 away, preferring the place above on the right.
TEST(FigureLabels, TakesTheFirstClearPlace) {
  const auto box = [](Anchor a) { return labelBox({100, 100}, {20, 10}, a, 5); };
  const QRectF page(0, 0, 200, 200);
  const struct {
    const char* what;
    std::vector<QPolygonF> lines;
    std::vector<QRectF> boxes;
    QRectF inside, placed;
    bool clear;
  } cases[] = {
      {"nothing in the way", {}, {}, page, {105, 85, 20, 10}, true},
      {"a line through it", {{{100, 90}, {200, 90}}}, {}, page, box(Anchor::Right), true},
      {"a curve up and right",
       {{{100, 100}, {110, 80}, {130, 70}}},
       {},
       page,
       box(Anchor::Right),
       true},
      {"a text there", {}, {{95, 85, 30, 15}}, page, {75, 85, 20, 10}, true},
      {"the figure's edge", {}, {}, {0, 0, 120, 200}, {90, 85, 20, 10}, true},
      {"lines all round",
       {{{60, 88}, {140, 88}},
        {{60, 112}, {140, 112}},
        {{92, 60}, {92, 140}},
        {{108, 60}, {108, 140}}},
       {},
       page,
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
