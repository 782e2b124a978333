#pragma once

#include "app/main_window.h"
#include "app/working_link.h"
#include "support/form_driver.h"
#include "windows/tool_window.h"

namespace vorlinde::test {

// The program as a pupil starts it: every window instance in one registry, the
// main window shown.
class Program {
 public:
  Program();
  ~Program();
  FormRegistry& forms() { return *forms_; }
  WorkingConnection& working() { return working_; }
  MainWindow& main() { return forms_->instance<MainWindow>(); }

  // Presses the main window's "进 入" button (1 to 5) and returns the tool window.
  QWidget* enter(int which);
  // The tool window's instance (1 to 5), opened or not.
  ToolWindow& tool(int which);

 private:
  WorkingConnection working_;
  std::unique_ptr<FormRegistry> forms_;
};

}  // namespace vorlinde::test
