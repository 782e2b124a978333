// Renders the figures of real calculations to PNG, to look at:
//   QT_QPA_PLATFORM=offscreen build/vorlinde-figures <folder>
// writes <name>-<width>.png for each, at the size of a figure on its own, of the
// working window's and of a maximized window's.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "steps/steps.h"
#include "working/figure_painter.h"
#include "working/working_document.h"

namespace {

using vorlinde::Calculation;
using vorlinde::PanelId;

struct Shot {
  const char* name;
  Calculation calculation;
};

Calculation click(PanelId panel, std::vector<std::string> texts) {
  return Calculation{panel, std::move(texts)};
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? argv[1] : QDir::currentPath();
  const Shot shots[] = {
      {"parabola", click(PanelId::Quadratic, {"1", "-3", "1"})},
      {"parabola-down", click(PanelId::Quadratic, {"-1", "-2", "3"})},
      {"parabola-flat", click(PanelId::Quadratic, {"0.01", "0", "-1"})},
      {"parabola-steep", click(PanelId::Quadratic, {"10", "0", "-1"})},
      {"parabola-huge", click(PanelId::Quadratic, {"1E300", "-3E300", "1"})},
      {"line", click(PanelId::Quadratic, {"0", "2", "-3"})},
      {"system", click(PanelId::TwoUnknowns, {"2", "3", "12", "1", "-1", "1"})},
      {"system-parallel", click(PanelId::TwoUnknowns, {"1", "2", "3", "2", "4", "7"})},
      {"circle-30", click(PanelId::Trigonometry, {"30"})},
      {"circle-200", click(PanelId::Trigonometry, {"200"})},
      {"ladder", click(PanelId::Factorization, {"360"})},
      {"arithmetic", click(PanelId::ArithmeticSequence, {"1", "2", "10"})},
      {"geometric", click(PanelId::GeometricSequence, {"1", "2", "10"})},
      {"series", click(PanelId::SpecialSeries, {"10"})},
      {"triangle", click(PanelId::Triangle, {"6", "4"})},
      {"heron", click(PanelId::TriangleBySides, {"3", "4", "5"})},
      {"rectangle", click(PanelId::Rectangle, {"6", "2"})},
      {"trapezoid", click(PanelId::Trapezoid, {"6", "3", "2"})},
      {"circle", click(PanelId::Circle, {"3"})},
      {"sector", click(PanelId::Sector, {"3", "60"})},
      {"cylinder", click(PanelId::Cylinder, {"2", "5"})},
      {"cone", click(PanelId::Cone, {"3", "4"})},
      {"sphere", click(PanelId::Sphere, {"3"})},
  };
  const QSize sizes[] = {{480, 360}, {640, 170}, {1600, 300}};
  bool ok = true;
  for (const Shot& shot : shots) {
    const vorlinde::steps::Figure figure = vorlinde::steps::workingFor(shot.calculation).figure;
    for (const QSize& size : sizes) {
      QImage image(size, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      vorlinde::working::paintFigure(painter, figure, QRectF(QPointF(), size),
                                     vorlinde::working::workingFont(14));
      painter.end();
      const QString file = QString("%1/%2-%3.png").arg(folder, shot.name).arg(size.width());
      ok = image.save(file) && ok;
    }
  }
  std::printf("%s\n", ok ? "written" : "failed");
  return ok ? 0 : 1;
}
