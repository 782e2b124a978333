#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/numbers.h"
#include "forms/form.h"
#include "windows/panel.h"

namespace vorlinde {

// The separators of the system's locale.
NumberFormat systemFormat();

// What the numeric guard says when a box does not hold a number.
inline constexpr const char* kEnterNumbersPrompt = "请输入数字！";

// A tool window: a form whose compute buttons are declared in a panel table and
// whose own exit button unloads it.
class ToolWindow : public Form {
 public:
  const std::vector<Panel>& panels() const { return panels_; }
  // The separators of the pupil's locale, which every box is read and every result
  // written with.
  const NumberFormat& format() const { return format_; }

 protected:
  // A panel with the handler its button runs once the guard has passed.
  template <class W>
  struct Handled {
    Panel panel;
    std::function<void(W&, const Panel&)> handler;
  };

  template <class W>
  ToolWindow(FormRegistry& registry, FormDescription description, std::vector<Handled<W>> table,
             const char* exitButton)
      : Form(registry, std::move(description)), exitButton_(exitButton) {
    for (Handled<W>& row : table) {
      panels_.push_back(std::move(row.panel));
      handlers_.push_back(
          [this, h = std::move(row.handler)](const Panel& p) { h(static_cast<W&>(*this), p); });
    }
  }

  void connectHandlers() override;

  // The texts of the panel's boxes, in its order.
  std::vector<std::string> texts(const Panel& panel) const;
  // Writes the captions into the panel's labels, in its order.
  void write(const Panel& panel, const std::vector<std::string>& captions);

 private:
  // The guard: true when every box of the panel holds a number (the numeric
  // test); otherwise the prompt "请输入数字！", and false.
  bool numbersEntered(const Panel& panel);

  std::vector<Panel> panels_;
  std::vector<std::function<void(const Panel&)>> handlers_;
  const char* exitButton_;
  NumberFormat format_ = systemFormat();
};

}  // namespace vorlinde
