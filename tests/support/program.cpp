#include "support/program.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "core/panels.h"
#include "windows/tool_windows.h"

namespace vorlinde::test {

Program::Program() : forms_(std::make_unique<FormRegistry>()) {
  main().show();
}

Program::~Program() {
  forms_.reset();
  settle();
}

QWidget* Program::enter(int which) {
  const WindowEntry& entry = toolWindows()[which - 1];
  EXPECT_TRUE(click(main().window(), QString::fromUtf8(entry.enter)).empty());
  const QString name = QString::fromUtf8(entry.name);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) return w;
  ADD_FAILURE() << "window " << name.toStdString() << " did not open";
  return nullptr;
}

ToolWindow& Program::tool(int which) {
  return toolWindowOf(*forms_, toolWindows()[which - 1].id);
}

}  // namespace vorlinde::test
