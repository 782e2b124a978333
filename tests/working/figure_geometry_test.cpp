#include <gtest/gtest.h>

#include <QRectF>
#include <vector>

#include "working/figure_geometry.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRectF& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ") " << r.width() << " × " << r.height();
}
QT_END_NAMESPACE

namespace vorlinde::working {
namespace {

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

}  // namespace
}  // namespace vorlinde::working
