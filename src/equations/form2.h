#pragma once

#include "shell/forms.h"

namespace vorlinde {

// The equation window: a quadratic in one unknown and a system of two linear
// equations in two unknowns, each in a panel of its own.
class Form2 : public Form {
 public:
  explicit Form2(FormRegistry& registry);

 protected:
  void connectHandlers() override;

 private:
  void quadraticClicked();
  void systemClicked();
};

}  // namespace vorlinde
