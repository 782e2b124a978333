// Times the working of real calculations (offscreen unless another platform is
// asked for): the working computed from the calculation, and the working shown,
// from the record on the click's path to the working window painted whole; the
// slowest inputs a box accepts; the repaint of every kind of figure; and the
// working of the 10 × 10 systems written as a PDF.
//
//   steps_bench [repetitions]        (default 21)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "steps/steps.h"
#include "working/figure_view.h"
#include "working/working_window.h"
#include "working/workings.h"

namespace {

using namespace vorlinde;

struct Case {
  const char* what;
  Calculation calculation;
};

Calculation click(PanelId panel, std::vector<std::string> texts, int unknowns = 0) {
  Calculation c{panel, std::move(texts), unknowns};
  c.when = 1;
  return c;
}

// An n × n system read row by row, each row's coefficients then its right-hand side.
Calculation grid(int n, const std::function<std::string(int, int)>& entry) {
  std::vector<std::string> texts;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j <= n; ++j)
      texts.push_back(entry(i, j));
  return click(PanelId::LinearSystem, texts, n);
}

std::string threeDigits(int i, int j) {
  const int v = (i * 37 + j * 91 + 13) % 1000;
  return (i == j ? "1" : "0.") + std::to_string(100 + v % 900);
}

std::string fifteenDigits(int i, int j) {
  std::string s = std::to_string(1 + (i * 7 + j * 3) % 9) + ".";
  for (int k = 0; k < 14; ++k)
    s += char('0' + (i * 13 + j * 17 + k * 7) % 10);
  return (i + j) % 3 ? s : "-" + s;
}

std::vector<Case> cases() {
  const std::vector<std::string> quad = {"Text1", "Text2", "Text3"};
  const std::string huge(3990, '7');
  return {
      {"10 x 10, three-digit decimals", grid(10, threeDigits)},
      {"10 x 10, 15-digit entries", grid(10, fifteenDigits)},
      {"10 x 10, singular", grid(10, [](int i, int j) { return std::to_string(i + j); })},
      {"10 x 10, nearly singular",
       grid(10, [](int i, int j) { return i == 9 && j == 9 ? "1.0000000000001" : "1"; })},
      {"quadratic, 4,000-digit coefficients",
       click(PanelId::Quadratic, {huge, "-" + huge, "3" + huge})},
      {"quadratic, 1E+300", click(PanelId::Quadratic, {"1E300", "-3E300", "1"})},
      {"factorial of 170", click(PanelId::Factorial, {"170"})},
      {"factorial of 32767", click(PanelId::Factorial, {"32767"})},
      {"2 to the 32767", click(PanelId::Power, {"2", "32767"})},
      {"1.23456789012345E+200 to the 32767",
       click(PanelId::Power, {"1.23456789012345E+200", "32767"})},
      {"square root of a 3,990-digit number", click(PanelId::RootAndLogarithm, {huge})},
      {"factorization of 32749", click(PanelId::Factorization, {"32749"})},
      {"special series at 46340", click(PanelId::SpecialSeries, {"46340"})},
      {"geometric, q = 1.0000001, n = 32767",
       click(PanelId::GeometricSequence, {"1", "1.0000001", "32767"})},
      {"three sides 1E+200", click(PanelId::TriangleBySides, {"1E200", "1E200", "1E200"})},
      {"sector, angle 1E-99999999999", click(PanelId::Sector, {"3", "1E-99999999999"})},
  };
}

// Every kind of figure, beside the figures of the cases above.
std::vector<Case> figureCases() {
  std::vector<Case> all = cases();
  const std::vector<Case> kinds = {
      {"parabola", click(PanelId::Quadratic, {"1", "-3", "1"})},
      {"two lines", click(PanelId::TwoUnknowns, {"2", "3", "12", "1", "-1", "1"})},
      {"unit circle", click(PanelId::Trigonometry, {"30"})},
      {"arithmetic sequence, 50 terms", click(PanelId::ArithmeticSequence, {"1", "2", "50"})},
      {"rectangle", click(PanelId::Rectangle, {"6", "2"})},
      {"trapezoid", click(PanelId::Trapezoid, {"6", "3", "2"})},
      {"cone", click(PanelId::Cone, {"3", "4"})},
      {"sphere", click(PanelId::Sphere, {"3"})},
  };
  all.insert(all.end(), kinds.begin(), kinds.end());
  return all;
}

struct Timing {
  double median, worst;  // milliseconds
};

template <class F>
Timing time(int repetitions, F work) {
  std::vector<double> took;
  for (int k = 0; k < repetitions; ++k) {
    QElapsedTimer timer;
    timer.start();
    work();
    took.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::sort(took.begin(), took.end());
  return {took[took.size() / 2], took.back()};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

  Workings workings;
  workings.history().clear();
  workings.show();
  WorkingWindow* window = workings.window();
  app.processEvents();

  std::printf("%-40s %14s %14s %16s\n", "working of", "computed, ms", "shown, ms",
              "worst shown, ms");
  double slowest = 0;
  for (const Case& c : cases()) {
    const Timing computed = time(repetitions, [&] { steps::workingFor(c.calculation); });
    const Timing shown = time(repetitions, [&] {
      workings.record(c.calculation);
      app.processEvents();
      window->repaint();
    });
    slowest = std::max(slowest, shown.worst);
    std::printf("%-40s %14.2f %14.2f %16.2f\n", c.what, computed.median, shown.median, shown.worst);
  }

  // In the window at its own size, and at 1600 × 900, as maximized on a common screen.
  std::printf("\n%-40s %14s %14s %14s\n", "figure repainted", "median, ms", "worst, ms",
              "1600 x 900, ms");
  auto* figure = window->findChild<FigureView*>("WorkingFigure");
  const QSize own = window->size();
  const auto repaintIn = [&](QSize size) {
    window->resize(size);
    app.processEvents();
    return time(repetitions, [&] { figure->repaint(); });
  };
  double slowestFigure = 0;
  for (const Case& c : figureCases()) {
    figure->setFigure(steps::workingFor(c.calculation).figure);
    if (figure->figure().empty()) continue;
    const Timing t = repaintIn(own);
    const Timing large = repaintIn({1600, 900});
    slowestFigure = std::max({slowestFigure, t.worst, large.worst});
    std::printf("%-40s %14.2f %14.2f %14.2f\n", c.what, t.median, t.worst, large.median);
  }
  window->resize(own);
  std::printf("\n%-40s %14s %14s\n", "PDF written", "median, ms", "worst, ms");
  const QString pdf = QDir::temp().filePath("steps_bench.pdf");
  for (const Case& c : cases()) {
    if (c.calculation.panel != PanelId::LinearSystem) continue;
    workings.record(c.calculation);
    app.processEvents();
    const Timing t = time(repetitions, [&] { window->savePdf(pdf); });
    std::printf("%-40s %14.2f %14.2f\n", c.what, t.median, t.worst);
  }
  QFile::remove(pdf);
  std::printf("\nslowest working shown: %.1f ms; slowest figure repaint: %.2f ms\n", slowest,
              slowestFigure);
  return 0;
}
