// Times the heaviest click handlers from the click to the labels written: the
// windows are opened through the forms layer (offscreen unless another platform
// is asked for) and their real buttons clicked, many times each. Events queued by
// a click (repaints) are handled between clicks, outside the timing.

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "forms/message_box.h"
#include "forms/registry.h"
#include "windows/algebra_window.h"
#include "windows/linear_system_window.h"
#include "windows/sequence_window.h"

namespace {

using namespace vorlinde;

struct Timing {
  double median, p90;  // microseconds
};

Timing timeClicks(int repetitions, QPushButton* button) {
  std::vector<double> took;
  took.reserve(repetitions);
  for (int k = 0; k < repetitions; ++k) {
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    button->click();
    took.push_back(timer.nsecsElapsed() / 1000.0);
  }
  std::sort(took.begin(), took.end());
  return {took[took.size() / 2], took[took.size() * 9 / 10]};
}

void report(const char* what, Timing t) {
  std::printf("%-44s %10.1f %10.1f\n", what, t.median, t.p90);
}

void type(Form& form, const char* box, const std::string& text) {
  form.textBox(box)->setText(QString::fromStdString(text));
}

// A 10 x 10 system with a strong diagonal, so it always solves.
void fillSystem(LinearSystemWindow& grid) {
  for (int k = 0; k < 100; ++k) {
    const int row = k / 10, column = k % 10;
    const int value = row == column ? 1000 + row : (row * 7 + column * 13) % 19 - 9;
    type(grid, ("Text1(" + std::to_string(k) + ")").c_str(), std::to_string(value));
  }
  for (int i = 0; i < 10; ++i)
    type(grid, ("Text2(" + std::to_string(i) + ")").c_str(), std::to_string(i * 3 - 7));
}

template <class F>
double openingMs(FormRegistry& forms) {
  QElapsedTimer timer;
  timer.start();
  forms.instance<F>().show();
  const double ms = timer.nsecsElapsed() / 1e6;
  QCoreApplication::processEvents();
  return ms;
}

// The offscreen platform warns of every window hint it ignores; the figures matter here.
QtMessageHandler defaultHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith("This plugin does not support")) defaultHandler(type, context, message);
}

// Marks a window's first paint.
class FirstPaint : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// Milliseconds from the click on the main window's "进 入" number `entry` to the end
// of the tool window's first paint, in this fresh process.
int openingMode(int entry) {
  FormRegistry forms;
  MainWindow& main = forms.instance<MainWindow>();
  main.show();
  for (int i = 0; i < 20; ++i)
    QCoreApplication::processEvents();
  FirstPaint first;
  QElapsedTimer timer;
  timer.start();
  main.button("Command" + std::to_string(entry))->click();
  QWidget* window = QApplication::activeWindow();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != main.window() && w->isVisible()) window = w;
  if (window) window->installEventFilter(&first);
  while (!first.painted && timer.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  std::printf("%.2f\n", timer.nsecsElapsed() / 1e6);
  return first.painted ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(quietPlatform);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  useQtChineseTexts(app);
  if (argc > 2 && std::string(argv[1]) == "--open") return openingMode(std::atoi(argv[2]));
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2001;
  FormRegistry forms;

  std::printf(
      "first opening (ms): AlgebraWindow %.2f, LinearSystemWindow %.2f, SequenceWindow %.2f\n",
      openingMs<AlgebraWindow>(forms), openingMs<LinearSystemWindow>(forms),
      openingMs<SequenceWindow>(forms));
  std::printf("%-44s %10s %10s\n", "click to labels written", "median µs", "90 % µs");

  AlgebraWindow& algebra = forms.instance<AlgebraWindow>();
  type(algebra, "Text1", "32762");
  report("factorization of 32762 (AlgebraWindow Command1)",
         timeClicks(repetitions, algebra.button("Command1")));
  type(algebra, "Text2", "170");
  report("factorial of 170 (AlgebraWindow Command3)",
         timeClicks(repetitions, algebra.button("Command3")));

  SequenceWindow& series = forms.instance<SequenceWindow>();
  type(series, "Text1", "46340");
  report("special series at 46340 (SequenceWindow Command1)",
         timeClicks(repetitions, series.button("Command1")));

  LinearSystemWindow& grid = forms.instance<LinearSystemWindow>();
  type(grid, "TxtNum", "10");
  report("grid laid out for 10 unknowns (LinearSystemWindow Command2)",
         timeClicks(repetitions, grid.button("Command2")));
  fillSystem(grid);
  report("10 x 10 solve (LinearSystemWindow Command1)",
         timeClicks(repetitions, grid.button("Command1")));
  // The solve must have succeeded, or the figures above timed an error box.
  if (!grid.isVisible("Label4")) {
    std::fprintf(stderr, "handler_bench: the 10 x 10 solve showed no result\n");
    return 1;
  }
  return 0;
}
