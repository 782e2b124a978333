#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <cstdio>

#include "forms/control_factory.h"
#include "forms/message_box.h"

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise windows; saying so for every window shown
// would bury what the tests print.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  if (previousHandler)
    previousHandler(type, context, message);
  else
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

// Widget tests run offscreen unless a display is asked for.
int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
  // Wine hands a program no QT_ variable; build-windows/wine-run.sh passes each
  // as VORLINDE_QT_..., named back here.
  for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
    if (name.startsWith("VORLINDE_QT_"))
      qputenv(qPrintable(name.mid(9)), qgetenv(qPrintable(name)));
#endif
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef VORLINDE_TEST_FONTS
  // Offscreen on Windows, Qt reads the fonts of one folder and no system font.
  qputenv("QT_QPA_FONTDIR", VORLINDE_TEST_FONTS);
#endif
  previousHandler = qInstallMessageHandler(quietHandler);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
#ifdef VORLINDE_SHIPPED_FONTS
  // Drawn by Windows itself, the faces are set up as the program sets them up.
  vorlinde::loadFacesIfMissing(vorlinde::windowFont().families(), VORLINDE_SHIPPED_FONTS);
#endif
  vorlinde::useQtChineseTexts(app);
  // The program's face, in which its message boxes lay their prompts out.
  QApplication::setFont(vorlinde::windowFont());
  // The history goes to a folder of the tests' own, never the pupil's, and of
  // this run's own: other runs of the same tests may share the machine.
  QStandardPaths::setTestModeEnabled(true);
  app.setApplicationName(app.applicationName() + "-" + QString::number(app.applicationPid()));
  ::testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
  return failed;
}
