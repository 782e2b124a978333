#pragma once

#include "forms/form.h"

namespace vorlinde {

// The equation window: a quadratic in one unknown and a system of two linear
// equations in two unknowns, each in a panel of its own.
class EquationWindow : public Form {
 public:
  explicit EquationWindow(FormRegistry& registry);

 protected:
  void connectHandlers() override;

 private:
  void quadraticClicked();
  void systemClicked();
};

}  // namespace vorlinde
