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
  static std::vector<Handled<AlgebraWindow>> panelTable();
  void factorizeClicked(const PanelEntry& panel);
  void factorialClicked(const PanelEntry& panel);
  void divisorAndMultipleClicked(const PanelEntry& panel);
  void powerClicked(const PanelEntry& panel);
  void rootAndLogarithmClicked(const PanelEntry& panel);
  void trigonometryClicked(const PanelEntry& panel);

  // The window-level variables of the factorization: they survive unloading.
  Factorization factorization_;
};

}  // namespace vorlinde
