#pragma once

#include <vector>

#include "windows/tool_window.h"

namespace vorlinde {

// The equation window: a quadratic in one unknown and a system of two linear
// equations in two unknowns, each in a panel of its own.
class EquationWindow : public ToolWindow {
 public:
  explicit EquationWindow(FormRegistry& registry);

 private:
  static std::vector<Handled<EquationWindow>> panelTable();
  void quadraticClicked(const PanelEntry& panel);
  void systemClicked(const PanelEntry& panel);
};

}  // namespace vorlinde
