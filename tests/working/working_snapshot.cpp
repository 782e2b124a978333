// Renders the working window with the sample working, to look at:
//   working_snapshot <folder>  writes working.png, working@2x.png and working.pdf.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>

#include "sample_working.h"
#include "working/working_window.h"
#include "working/workings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  const QString folder = argc > 1 ? argv[1] : QDir::currentPath();
  vorlinde::Workings workings(
      [](const vorlinde::Calculation&) { return vorlinde::working::sample::quadratic(); });
  workings.history().clear();
  for (int i = 0; i < 3; ++i)
    workings.record({vorlinde::PanelId::Quadratic,
                     {"1"},
                     0,
                     0,
                     {"x1=2.618"},
                     {},
                     QDateTime::currentMSecsSinceEpoch() + 60000 * i});
  app.processEvents();
  workings.show();
  app.processEvents();
  vorlinde::WorkingWindow* window = workings.window();
  const bool png = window->grab().save(folder + "/working.png");
  const bool pdf = window->savePdf(folder + "/working.pdf");
  std::printf("png %s, pdf %s\n", png ? "written" : "failed", pdf ? "written" : "failed");
  return png && pdf ? 0 : 1;
}
