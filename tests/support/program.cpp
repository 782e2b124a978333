#include "support/program.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "windows/algebra_window.h"
#include "windows/equation_window.h"
#include "windows/geometry_window.h"
#include "windows/linear_system_window.h"
#include "windows/sequence_window.h"

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

ToolWindow& Program::tool(int which) {
  switch (which) {
    case 1:
      return forms_->instance<AlgebraWindow>();
    case 2:
      return forms_->instance<EquationWindow>();
    case 3:
      return forms_->instance<LinearSystemWindow>();
    case 4:
      return forms_->instance<SequenceWindow>();
    default:
      return forms_->instance<GeometryWindow>();
  }
}

}  // namespace vorlinde::test
