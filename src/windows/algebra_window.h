#pragma once

#include <initializer_list>
#include <string_view>

#include "core/factorization.h"
#include "forms/form.h"

namespace vorlinde {

// The algebra window: factorization, factorial, divisor and multiple, powers,
// roots, logarithms and trigonometry.
class AlgebraWindow : public Form {
 public:
  explicit AlgebraWindow(FormRegistry& registry);

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
