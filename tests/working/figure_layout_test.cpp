#include <gtest/gtest.h>

#include <cmath>

#include "steps/steps.h"
#include "working/figure_labels.h"
#include "working/figure_layout.h"
#include "working/working_document.h"

namespace vorlinde::working {
namespace {

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
      {figureOf(PanelId::Rectangle, {"2", "6"}), 1.0 / 3},
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
