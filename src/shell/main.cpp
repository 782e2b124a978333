#include <QApplication>

#include "shell/formain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setApplicationName("Vorlinde");
  // The windows decide when the program ends: the main window's exit, or the
  // last loaded window unloaded.
  app.setQuitOnLastWindowClosed(false);
  vorlinde::FormRegistry forms;
  forms.instance<vorlinde::ForMain>().show();
  return app.exec();
}
