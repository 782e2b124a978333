#pragma once

#include "forms/form.h"

namespace vorlinde {

// The start-up window: a menu of the five tool windows.
class MainWindow : public Form {
 public:
  explicit MainWindow(FormRegistry& registry);

 protected:
  void connectHandlers() override;
};

}  // namespace vorlinde
