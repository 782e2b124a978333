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

  // The numeric guard: true when every box holds a number; otherwise shows the
  // message and the handler stops without changing anything.
  bool allNumeric(std::initializer_list<std::string_view> boxes);

  // The window-level variables of the factorization: they survive unloading.
  Factorization factorization_;
};

}  // namespace vorlinde
