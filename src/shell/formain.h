#pragma once

#include "shell/forms.h"

namespace vorlinde {

// The start-up window: a menu of the five tool windows.
class ForMain : public Form {
 public:
  explicit ForMain(FormRegistry& registry);

 protected:
  void connectHandlers() override;
};

}  // namespace vorlinde
