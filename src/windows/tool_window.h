#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calculation.h"
#include "core/numbers.h"
#include "core/panels.h"
#include "core/runtime_error.h"
#include "forms/form.h"

namespace vorlinde {

// The separators of the system's locale.
NumberFormat systemFormat();

// Where the tool windows send every calculation, and how they open the working
// window beside the one asking; set once at start-up. Nothing is sent while it is
// unset.
struct WorkingLink {
  std::function<void(Calculation)> record;
  std::function<void(QWidget* asking)> show;
};
void setWorkingLink(WorkingLink link);

// The button every tool window has that opens the working, in free space of its
// own, last in the Tab round; its shortcut is named in its tooltip.
inline constexpr const char* kWorkingButton = "WorkingButton";
inline constexpr const char* kWorkingShortcut = "Ctrl+J";
ControlDescription workingButton(Twips place);

// What the numeric guard says when a box does not hold a number.
inline constexpr const char* kEnterNumbersPrompt = "请输入数字！";

// A tool window: a form whose compute buttons run the panels of the panel table
// that it names, and whose own exit button unloads it.
class ToolWindow : public Form {
 public:
  const std::vector<std::reference_wrapper<const PanelEntry>>& panels() const { return panels_; }
  // The separators of the pupil's locale, which every box is read and every result
  // written with.
  const NumberFormat& format() const { return format_; }

 protected:
  // A panel with the handler its button runs once the guard has passed.
  template <class W>
  struct Handled {
    PanelId panel;
    std::function<void(W&, const PanelEntry&)> handler;
  };

  template <class W>
  ToolWindow(FormRegistry& registry, FormDescription description, std::vector<Handled<W>> table,
             const char* exitButton)
      : Form(registry, std::move(description)), exitButton_(exitButton) {
    for (Handled<W>& row : table) {
      panels_.push_back(panel(row.panel));
      handlers_.push_back([this, h = std::move(row.handler)](const PanelEntry& p) {
        h(static_cast<W&>(*this), p);
      });
    }
  }

  void connectHandlers() override;
  bool returnPressed(std::string_view box) override;

  // The number a box holds as strict reading takes it; NaN when it holds none.
  double value(const std::string& box) const;

  // The boxes a click of the panel read, in the order read, and the number of
  // unknowns it solved for: the grid reads only the rows it has laid out.
  virtual std::vector<std::string> boxesRead(const PanelEntry& panel) const { return panel.boxes; }
  virtual int unknowns() const { return 0; }

  // The texts of the panel's boxes, in its order.
  std::vector<std::string> texts(const PanelEntry& panel) const;
  // Writes the captions into the panel's labels, in its order.
  void write(const PanelEntry& panel, const std::vector<std::string>& captions);

 private:
  // The guard: true when every box of the panel holds a number (the numeric
  // test); otherwise the prompt "请输入数字！", and false.
  bool numbersEntered(const PanelEntry& panel);
  // Sends the click's calculation to the working, once its labels are written.
  void record(const PanelEntry& panel, int error);
  // The working's button, shortcut and the results' context menus.
  void connectWorking();

  std::vector<std::reference_wrapper<const PanelEntry>> panels_;
  std::vector<std::function<void(const PanelEntry&)>> handlers_;
  const char* exitButton_;
  NumberFormat format_ = systemFormat();
};

}  // namespace vorlinde
