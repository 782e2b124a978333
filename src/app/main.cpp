#include <QApplication>

#include "app/main_window.h"
#include "app/working_link.h"
#include "forms/message_box.h"
#include "forms/registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName("Vorlinde");
  // The windows decide when the program ends: the main window's exit, or the
  // last loaded window unloaded.
  app.setQuitOnLastWindowClosed(false);
  vorlinde::useQtChineseTexts(app);
  vorlinde::WorkingConnection working;
  vorlinde::FormRegistry forms;
  forms.instance<vorlinde::MainWindow>().show();
  return app.exec();
}
