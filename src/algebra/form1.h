#pragma once

#include <initializer_list>
#include <string_view>

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
  void factorialClicked();
  void divisorAndMultipleClicked();
  void powerClicked();
  void rootAndLogarithmClicked();
  void trigonometryClicked();

  // The window-level variables of the factorization: they survive unloading.
  Factorization factorization_;
};

}  // namespace vorlinde
