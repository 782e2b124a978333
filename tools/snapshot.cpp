// Renders every window of the program into PNG files, the way a pupil first
// sees them, for the README and for looking at the layout:
//   QT_QPA_PLATFORM=offscreen build/vorlinde-snapshot docs
// With QT_SCALE_FACTOR=2 it renders them at twice the density.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <cstdio>

#include "working/workings.h"

#include "app/main_window.h"
#include "app/working_link.h"
#include "core/panels.h"
#include "forms/control_factory.h"
#include "forms/message_box.h"
#include "forms/registry.h"
#include "windows/tool_window.h"

namespace {

QWidget* topLevel(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  return nullptr;
}

bool save(QWidget* window, const QString& file) {
  QApplication::processEvents();
  if (!window || !window->grab().save(file)) {
    std::fprintf(stderr, "could not save %s\n", qPrintable(file));
    return false;
  }
  std::printf("%s\n", qPrintable(file));
  return true;
}

// Types the texts into the panel's boxes and clicks its button.
bool click(vorlinde::PanelId id, const std::vector<QString>& texts) {
  const vorlinde::PanelEntry& panel = vorlinde::panel(id);
  QWidget* window = topLevel(QString::fromUtf8(vorlinde::toolWindow(panel.window).name));
  if (!window) return false;
  for (std::size_t k = 0; k < texts.size(); ++k)
    if (auto* edit = window->findChild<QLineEdit*>(QString::fromStdString(panel.boxes[k])))
      edit->setText(texts[k]);
  auto* button = window->findChild<QPushButton*>(QString::fromStdString(panel.button));
  if (button) button->click();
  return button;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Set up as the program sets itself up.
  vorlinde::useQtChineseTexts(app);
  vorlinde::useShippedFaces();
  QApplication::setFont(vorlinde::windowFont());
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs");
  const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  QDir().mkpath(folder);
  auto path = [&](const QString& name) { return folder + "/" + name + suffix + ".png"; };

  // The working's history goes to a folder of its own, never the user's.
  QStandardPaths::setTestModeEnabled(true);
  vorlinde::WorkingConnection working;
  working.workings().history().clear();
  vorlinde::FormRegistry forms;
  auto& main = forms.instance<vorlinde::MainWindow>();
  main.show();
  bool ok = save(main.window(), path("main"));
  for (const vorlinde::WindowEntry& entry : vorlinde::toolWindows()) {
    main.button(entry.enter)->click();
    const QString name = QString::fromUtf8(entry.name);
    ok &= save(topLevel(name), path(name.toLower()));
  }
  // The linear-system window as it looks with a grid laid out, and the working of
  // x² − 3x + 1 = 0.
  ok &= click(vorlinde::PanelId::GridCount, {"3"});
  ok &= save(topLevel("Form3"), path("form3-grid"));
  ok &= click(vorlinde::PanelId::Quadratic, {"1", "-3", "1"});
  if (QWidget* form2 = topLevel("Form2"))
    if (auto* b = form2->findChild<QPushButton*>(vorlinde::kWorkingButton)) b->click();
  QApplication::processEvents();
  ok &= save(topLevel("Working"), path("working"));
  return ok ? 0 : 1;
}
