#pragma once

#include <vector>

#include "windows/tool_window.h"

namespace vorlinde {

// The sequence window: the arithmetic sequence (top), the geometric sequence
// (middle) and the seven special series (bottom), each panel with its own boxes,
// "计 算" button and result labels.
class SequenceWindow : public ToolWindow {
 public:
  explicit SequenceWindow(FormRegistry& registry);

 private:
  static std::vector<Handled<SequenceWindow>> panelTable();
  void arithmeticClicked(const PanelEntry& panel);
  void geometricClicked(const PanelEntry& panel);
  void specialSeriesClicked(const PanelEntry& panel);
};

}  // namespace vorlinde
