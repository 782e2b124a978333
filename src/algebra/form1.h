#pragma once

#include "algebra/factorize.h"
#include "shell/forms.h"

namespace vorlinde {

// The algebra window: factorization, factorial, divisor and multiple, powers,
// roots, logarithms and trigonometry.
class Form1 : public Form {
 public:
  explicit Form1(FormRegistry& registry);

 protected:
  void connectHandlers() override;

 private:
  void factorizeClicked();

  // The window-level variables of the factorization: they survive unloading.
  Factorization factorization_;
};

}  // namespace vorlinde
