#include "support/program.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace vorlinde::test {

Program::Program() : forms_(std::make_unique<FormRegistry>()) {
  main().show();
}

Program::~Program() {
  forms_.reset();
  settle();
}

QWidget* Program::enter(int which) {
  const QString name = QString("Command%1").arg(which);
  EXPECT_TRUE(click(main().window(), name).empty());
  const char* forms[] = {"", "Form1", "Form2", "Form3", "Form4", "Form5"};
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == forms[which] && w->isVisible()) return w;
  ADD_FAILURE() << "window " << forms[which] << " did not open";
  return nullptr;
}

}  // namespace vorlinde::test
