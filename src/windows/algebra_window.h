#pragma once

#include <vector>

#include "core/factorization.h"
#include "windows/tool_window.h"

namespace vorlinde {

// The algebra window: factorization, factorial, divisor and multiple, powers,
// roots, logarithms and trigonometry.
class AlgebraWindow : public ToolWindow {
 public:
  explicit AlgebraWindow(FormRegistry& registry);

 private:
  std::string advice(const Panel& panel, ErrorCode code) const override;
  static std::vector<Handled<AlgebraWindow>> panelTable();
  void factorizeClicked(const Panel& panel);
  void factorialClicked(const Panel& panel);
  void divisorAndMultipleClicked(const Panel& panel);
  void powerClicked(const Panel& panel);
  void rootAndLogarithmClicked(const Panel& panel);
  void trigonometryClicked(const Panel& panel);

  // The window-level variables of the factorization: they survive unloading.
  Factorization factorization_;
};

}  // namespace vorlinde
