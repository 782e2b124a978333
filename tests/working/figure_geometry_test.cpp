#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "steps/steps.h"
#include "working/figure_geometry.h"
#include "working/figure_labels.h"
#include "working/figure_layout.h"
#include "working/working_document.h"

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

using Text = FigureLayout::Text;

steps::Figure figureOf(PanelId panel, std::vector<std::string> texts) {
  return steps::workingFor(Calculation{panel, std::move(texts)}).figure;
}

// Two labels wanting one place, and a long one whose only places clear of lines
// hold tick numbers.
steps::Figure crowded() {
  steps::Figure f;
  f.left = -5, f.right = 5, f.bottom = -2, f.top = 2;
  f.axes = true, f.xTick = f.yTick = 1;
  f.paths.push_back({{{-5, 0.12}, {5, 0.12}}});
  f.labels = {{{1, 0}, "一条很长很长很长很长的标签", steps::Anchor::Below},
              {{3, 1}, "A", steps::Anchor::Above},
              {{3, 1}, "B", steps::Anchor::Above}};
  return f;
}

// Whether a drawn line runs through the box or within a pixel of it.
bool crossed(const QRectF& box, const FigureLayout& layout) {
  Obstacles lines;
  for (const FigureLayout::Line& line : layout.lines)
    lines.addLine(line.points);
  for (const QLineF& axis : layout.axes)
    lines.addLine({axis.p1(), axis.p2()});
  return lines.coverage(box).total() > 0;
}

// Every text inside the figure, clear of the lines and of the other texts; both
// axes numbered; each shape as wide against its height as its measures say; at
// the size of the window's figure and at that of a maximized one.
TEST(FigureLayout, TextsClearAndShapesToMeasure) {
  const struct {
    steps::Figure figure;
    double across = 0;  // the outline's width over its height, where it is a shape
  } cases[] = {
      {figureOf(PanelId::Quadratic, {"1", "-3", "1"})},
      {figureOf(PanelId::Quadratic, {"-1", "-2", "3"})},  // the vertex (-1, 4) by the y axis
      {figureOf(PanelId::Quadratic, {"1E300", "-3E300", "1"})},
      {figureOf(PanelId::Quadratic, {"0", "2", "-3"})},
      {figureOf(PanelId::TwoUnknowns, {"2", "3", "12", "1", "-1", "1"})},
      {figureOf(PanelId::Trigonometry, {"30"})},
      {figureOf(PanelId::GeometricSequence, {"1", "2", "10"})},
      {figureOf(PanelId::Rectangle, {"6", "2"}), 3},
      {figureOf(PanelId::Triangle, {"6", "4"}), 1.5},
      {figureOf(PanelId::Trapezoid, {"6", "3", "2"}), 2},
      {figureOf(PanelId::Circle, {"3"}), 1},
      {figureOf(PanelId::Cone, {"3", "4"})},
      {crowded()},
  };
  for (const QRectF area : {QRectF(0, 0, 480, 360), QRectF(0, 0, 1800, 300)})
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message()
                   << c.figure.caption << " in " << area.width() << " × " << area.height());
      const FigureLayout layout = layOutFigure(c.figure, area, workingFont(14));
      std::array<int, 2> numbers{};  // across, up
      for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const Text& t = layout.texts[i];
        SCOPED_TRACE(t.text.toStdString());
        EXPECT_TRUE(area.contains(t.box));
        EXPECT_FALSE(crossed(t.box, layout));
        for (std::size_t j = 0; j < i; ++j)
          EXPECT_FALSE(t.box.intersects(layout.texts[j].box)) << layout.texts[j].text.toStdString();
        if (t.kind == Text::Number)
          ++numbers[std::abs(t.box.center().y() - layout.axes[0].p1().y()) < t.box.height() ? 0
                                                                                            : 1];
      }
      if (c.figure.axes) {
        EXPECT_GE(numbers[0], 2);
        EXPECT_GE(numbers[1], 2);
      }
      QRectF outline;
      for (const FigureLayout::Line& line : layout.lines)
        outline |= line.points.boundingRect();
      if (c.across > 0) {
        EXPECT_NEAR(outline.width() / outline.height(), c.across, 0.01);
      }
    }
}

}  // namespace
}  // namespace vorlinde::working
