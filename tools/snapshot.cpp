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
#include "forms/control_factory.h"
#include "forms/message_box.h"
#include "forms/registry.h"

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

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Set up as the program sets itself up.
  vorlinde::useQtChineseTexts(app);
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
  for (int i = 1; i <= 5; ++i) {
    main.button("Command" + std::to_string(i))->click();
    ok &= save(topLevel(QString("Form%1").arg(i)), path(QString("form%1").arg(i)));
  }
  // The linear-system window as it looks with a grid laid out.
  if (QWidget* form3 = topLevel("Form3")) {
    if (auto* count = form3->findChild<QLineEdit*>("TxtNum")) count->setText("3");
    if (auto* ok3 = form3->findChild<QPushButton*>("Command2")) ok3->click();
    ok &= save(form3, path("form3-grid"));
  }
  // The working of x² − 3x + 1 = 0, opened from the equation window.
  if (QWidget* form2 = topLevel("Form2")) {
    const char* const abc[][2] = {{"Text1", "1"}, {"Text2", "-3"}, {"Text3", "1"}};
    for (const auto& [box, text] : abc)
      if (auto* edit = form2->findChild<QLineEdit*>(box)) edit->setText(text);
    for (const char* button : {"Command1", "WorkingButton"})
      if (auto* b = form2->findChild<QPushButton*>(button)) b->click();
    QApplication::processEvents();
    ok &= save(topLevel("Working"), path("working"));
  }
  return ok ? 0 : 1;
}
