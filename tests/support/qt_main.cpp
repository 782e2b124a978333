#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

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
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  previousHandler = qInstallMessageHandler(quietHandler);
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  vorlinde::useQtChineseTexts(app);
  // The history goes to a folder of the tests' own, never the pupil's.
  QStandardPaths::setTestModeEnabled(true);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
