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
  std::string advice(const Panel& panel, ErrorCode code) const override;
  static std::vector<Handled<SequenceWindow>> panelTable();
  void arithmeticClicked(const Panel& panel);
  void geometricClicked(const Panel& panel);
  void specialSeriesClicked(const Panel& panel);
};

}  // namespace vorlinde
