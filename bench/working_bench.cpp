// Times the working window (offscreen unless another platform is asked for):
// what record() adds to a click, the queued work after it, the first show() of a
// working of a few hundred lines to its first paint (the window made, the working
// typeset, the whole window painted), a new calculation taken in while the
// window is open, and a repaint of the figure.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "sample_working.h"
#include "working/figure_view.h"
#include "working/working_document.h"
#include "working/working_window.h"
#include "working/workings.h"

namespace {

using namespace vorlinde;

struct Timing {
  double median, p90, worst;  // microseconds
};

Timing timeEach(int repetitions, const std::function<void()>& before,
                const std::function<void()>& work) {
  std::vector<double> took;
  for (int k = 0; k < repetitions; ++k) {
    before();
    QElapsedTimer timer;
    timer.start();
    work();
    took.push_back(timer.nsecsElapsed() / 1000.0);
  }
  std::sort(took.begin(), took.end());
  return {took[took.size() / 2], took[took.size() * 9 / 10], took.back()};
}

void report(const char* what, Timing t) {
  std::printf("%-48s median %9.1f us   p90 %9.1f us   worst %9.1f us\n", what, t.median, t.p90,
              t.worst);
}

// The sample's lines over and over: a working of about the given length.
steps::Working longWorking(std::size_t lines) {
  const steps::Working sample = working::sample::quadratic();
  steps::Working w = sample;
  while (w.lines.size() < lines)
    w.lines.insert(w.lines.end() - 1, sample.lines.begin() + 1, sample.lines.end() - 1);
  return w;
}

Calculation click(int i) {
  return {PanelId::Quadratic,
          {"1", "-3", std::to_string(i)},
          0,
          0,
          {"x1=2.61803398874989", "x2=0.381966011250105"},
          {},
          i};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  // The tool windows are open before any working is shown, their CJK font loaded.
  QLabel toolWindow("解方程 x² - 3x + 1 = 0");
  toolWindow.setFont(working::workingFont(12));
  toolWindow.grab();
  const steps::Working big = longWorking(300);
  std::printf("working of %zu lines, %lld characters\n", big.lines.size(),
              qlonglong(big.plainText().size()));

  int i = 0;
  {
    Workings workings([&](const Calculation&) { return big; });
    workings.history().clear();
    report("record() on the click's path", timeEach(
                                               500, [] { QCoreApplication::processEvents(); },
                                               [&] { workings.record(click(++i)); }));
    report("queued after it, window closed", timeEach(
                                                 200, [&] { workings.record(click(++i)); },
                                                 [] { QCoreApplication::processEvents(); }));
  }
  {
    // A program that has run a calculation, its working window never shown yet.
    std::unique_ptr<Workings> fresh;
    Timing first = timeEach(
        20,
        [&] {
          fresh = std::make_unique<Workings>([&](const Calculation&) { return big; });
          fresh->record(click(++i));
          QCoreApplication::processEvents();
        },
        [&] {
          fresh->show();
          fresh->window()->grab();
        });
    report("first show() to first paint", first);
  }
  Workings workings([&](const Calculation&) { return big; });
  workings.show();
  report("new calculation into the open window", timeEach(
                                                     50, [&] { workings.record(click(++i)); },
                                                     [&] {
                                                       QCoreApplication::processEvents();
                                                       workings.window()->grab();
                                                     }));
  auto* figure = workings.window()->findChild<FigureView*>("WorkingFigure");
  report("figure repaint", timeEach(
                               200, [] {}, [&] { figure->repaint(); }));
  workings.history().clear();
  return 0;
}
