#pragma once

#include <string>
#include <vector>

#include "core/arithmetic.h"
#include "windows/tool_window.h"

namespace vorlinde {

// The linear-system window: the pupil types the number of unknowns, "确定" lays
// out a grid of that many rows of boxes from the 100 coefficient boxes and 10
// right-hand-side boxes the window always has, and "计 算" solves the system
// held in LinearSystem and shows one result under each column.
class LinearSystemWindow : public ToolWindow {
 public:
  explicit LinearSystemWindow(FormRegistry& registry);

 protected:
  void onLoad() override;

 private:
  std::vector<std::string> boxesRead(const PanelEntry& panel) const override;
  int unknowns() const override;
  static std::vector<Handled<LinearSystemWindow>> panelTable();
  void resetGrid();
  void layOutClicked(const PanelEntry& panel);
  std::vector<std::vector<std::string>> typedRows() const;
  void refill(const std::vector<std::vector<std::string>>& rows);
  // Where the layout has got to: boxes placed, and the last box's left and top.
  struct GridCursor {
    Int16 count, left, top;
  };
  void layOutGrid(int n);
  void layOutRow(int m, int n, GridCursor& at);
  void solveClicked(const PanelEntry& panel);
  void hideResults();
  Real readBox(const std::string& box) const;
  void moveTo(const std::string& control, int left, int top);

  int laidOut_ = 0;  // the rows of the grid on screen; 0 while none is
};

}  // namespace vorlinde
