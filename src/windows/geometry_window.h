#pragma once

#include <optional>
#include <vector>

#include "core/arithmetic.h"
#include "windows/tool_window.h"

namespace vorlinde {

// The geometry window: areas of plane figures in its upper frame, volumes of
// solids in its lower one, one "求 积" button per figure.
class GeometryWindow : public ToolWindow {
 public:
  explicit GeometryWindow(FormRegistry& registry);

 private:
  // A figure's area or volume from its measurements; no value when they are refused.
  using Measure = std::optional<Real> (*)(const std::vector<Real>& values);

  static std::vector<Handled<GeometryWindow>> panelTable();
  // A figure's row: every box read as a double, then the measure; refused
  // measurements show "输入有误！".
  void compute(const PanelEntry& panel, Measure measure);
};

}  // namespace vorlinde
