#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <cmath>

#include "steps/steps.h"
#include "working/figure_geometry.h"
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

// Whether a drawn line runs through the box.
bool crossed(const QRectF& box, const FigureLayout& layout) {
  std::vector<QPolygonF> lines;
  for (const FigureLayout::Line& line : layout.lines)
    lines.push_back(line.points);
  for (const QLineF& axis : layout.axes)
    lines.push_back({axis.p1(), axis.p2()});
  for (const QPolygonF& line : lines)
    for (qsizetype i = 0; i + 1 < line.size(); ++i)
      if (clipSegment(line[i], line[i + 1], box)) return true;
  return false;
}

// Every text inside the figure, clear of the lines and of the other texts; both
// axes numbered; at the size of the window's figure and at that of a maximized one.
TEST(FigureLayout, TextsStandClearOfLinesAndOfEachOther) {
  const struct {
    const char* what;
    steps::Figure figure;
  } cases[] = {
      {"parabola", figureOf(PanelId::Quadratic, {"1", "-3", "1"})},
      {"parabola opening down, vertex (-1, 4)", figureOf(PanelId::Quadratic, {"-1", "-2", "3"})},
      {"flat parabola", figureOf(PanelId::Quadratic, {"0.01", "0", "-1"})},
      {"parabola of 1E+300", figureOf(PanelId::Quadratic, {"1E300", "-3E300", "1"})},
      {"line", figureOf(PanelId::Quadratic, {"0", "2", "-3"})},
      {"two lines", figureOf(PanelId::TwoUnknowns, {"2", "3", "12", "1", "-1", "1"})},
      {"parallel lines", figureOf(PanelId::TwoUnknowns, {"1", "2", "3", "2", "4", "7"})},
      {"unit circle at 30°", figureOf(PanelId::Trigonometry, {"30"})},
      {"unit circle at 200°", figureOf(PanelId::Trigonometry, {"200"})},
      {"sequence", figureOf(PanelId::GeometricSequence, {"1", "2", "10"})},
      {"triangle", figureOf(PanelId::Triangle, {"6", "4"})},
      {"trapezoid", figureOf(PanelId::Trapezoid, {"6", "3", "2"})},
      {"sector", figureOf(PanelId::Sector, {"3", "60"})},
      {"cone", figureOf(PanelId::Cone, {"3", "4"})},
      {"cylinder", figureOf(PanelId::Cylinder, {"2", "5"})},
      {"crowded", crowded()},
  };
  const QFont font = workingFont(14);
  for (const QRectF area : {QRectF(0, 0, 480, 360), QRectF(0, 0, 1600, 900)})
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message()
                   << c.what << " in " << area.width() << " × " << area.height());
      const FigureLayout layout = layOutFigure(c.figure, area, font);
      std::array<int, 2> numbers{};  // across, up
      for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const Text& t = layout.texts[i];
        SCOPED_TRACE(t.text.toStdString());
        EXPECT_TRUE(area.contains(t.box));
        EXPECT_FALSE(crossed(t.box, layout));
        for (std::size_t j = 0; j < i; ++j)
          EXPECT_FALSE(t.box.intersects(layout.texts[j].box)) << layout.texts[j].text.toStdString();
        if (t.kind == Text::Number && !layout.axes.empty())
          ++numbers[std::abs(t.box.center().y() - layout.axes[0].p1().y()) < t.box.height() ? 0
                                                                                            : 1];
      }
      if (c.figure.axes) {
        EXPECT_GE(numbers[0], 2);
        EXPECT_GE(numbers[1], 2);
      }
    }
}

// Each shape as wide against its height as its measures say, at any size.
TEST(FigureLayout, ShapesKeepTheirMeasures) {
  const struct {
    PanelId panel;
    std::vector<std::string> texts;
    double across;  // the outline's width over its height
  } cases[] = {
      {PanelId::Rectangle, {"6", "2"}, 3},  {PanelId::Rectangle, {"2", "6"}, 1.0 / 3},
      {PanelId::Triangle, {"6", "4"}, 1.5}, {PanelId::Trapezoid, {"6", "3", "2"}, 2},
      {PanelId::Circle, {"3"}, 1},
  };
  for (const QRectF area :
       {QRectF(0, 0, 320, 240), QRectF(0, 0, 1800, 300), QRectF(0, 0, 300, 900)})
    for (const auto& c : cases) {
      const FigureLayout layout = layOutFigure(figureOf(c.panel, c.texts), area, workingFont(14));
      QRectF outline;
      for (const FigureLayout::Line& line : layout.lines)
        outline |= line.points.boundingRect();
      EXPECT_NEAR(outline.width() / outline.height(), c.across, 0.01)
          << panel(c.panel).key << " in " << area.width() << " × " << area.height();
    }
}

}  // namespace
}  // namespace vorlinde::working
