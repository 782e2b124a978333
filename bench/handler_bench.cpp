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
#include "core/panels.h"
#include "forms/message_box.h"
#include "forms/registry.h"
#include "windows/tool_windows.h"

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

// Types the texts into the panel's first boxes, in its order, and returns its button.
QPushButton* fill(FormRegistry& forms, PanelId id, const std::vector<std::string>& texts) {
  const PanelEntry& p = panel(id);
  ToolWindow& tool = toolWindowOf(forms, p.window);
  tool.show();
  for (std::size_t k = 0; k < texts.size(); ++k)
    tool.textBox(p.boxes[k])->setText(QString::fromStdString(texts[k]));
  return tool.button(p.button);
}

// A 10 x 10 system with a strong diagonal, so it always solves: the grid's
// coefficient boxes row by row, then its right-hand sides.
std::vector<std::string> strongSystem() {
  std::vector<std::string> texts;
  for (int k = 0; k < 100; ++k) {
    const int row = k / 10, column = k % 10;
    texts.push_back(std::to_string(row == column ? 1000 + row : (row * 7 + column * 13) % 19 - 9));
  }
  for (int i = 0; i < 10; ++i)
    texts.push_back(std::to_string(i * 3 - 7));
  return texts;
}

double openingMs(FormRegistry& forms, WindowId id) {
  QElapsedTimer timer;
  timer.start();
  toolWindowOf(forms, id).show();
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
  main.button(toolWindows()[entry - 1].enter)->click();
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

  std::printf("first opening (ms): 代数 %.2f, 解线性方程组 %.2f, 求数列前n项的和 %.2f\n",
              openingMs(forms, WindowId::Algebra), openingMs(forms, WindowId::LinearSystem),
              openingMs(forms, WindowId::Sequences));
  std::printf("%-44s %10s %10s\n", "click to labels written", "median µs", "90 % µs");

  report("factorization of 32762",
         timeClicks(repetitions, fill(forms, PanelId::Factorization, {"32762"})));
  report("factorial of 170", timeClicks(repetitions, fill(forms, PanelId::Factorial, {"170"})));
  report("special series at 46340",
         timeClicks(repetitions, fill(forms, PanelId::SpecialSeries, {"46340"})));
  report("grid laid out for 10 unknowns",
         timeClicks(repetitions, fill(forms, PanelId::GridCount, {"10"})));
  report("10 x 10 solve",
         timeClicks(repetitions, fill(forms, PanelId::LinearSystem, strongSystem())));
  // The solve must have succeeded, or the figures above timed an error box.
  const PanelEntry& solve = panel(PanelId::LinearSystem);
  if (!toolWindowOf(forms, solve.window).isVisible(solve.labels[0])) {
    std::fprintf(stderr, "handler_bench: the 10 x 10 solve showed no result\n");
    return 1;
  }
  return 0;
}
