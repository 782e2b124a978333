#include <QApplication>

#include "app/main_window.h"
#include "app/memory_release.h"
#include "app/working_link.h"
#include "forms/control_factory.h"
#include "forms/message_box.h"
#include "forms/registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName("Vorlinde");
  // The windows decide when the program ends: the main window's exit, or the
  // last loaded window unloaded.
  app.setQuitOnLastWindowClosed(false);
  vorlinde::useQtChineseTexts(app);
  vorlinde::useShippedFaces();
  // Every window in the forms' Song face, message boxes and the working too: no
  // second CJK face is loaded, and digits look alike everywhere.
  QApplication::setFont(vorlinde::windowFont());
  vorlinde::MemoryRelease release(&app);
  vorlinde::WorkingConnection working;
  vorlinde::FormRegistry forms;
  forms.instance<vorlinde::MainWindow>().show();
  return app.exec();
}
