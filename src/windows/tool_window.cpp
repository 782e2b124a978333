#include "windows/tool_window.h"

#include <QLocale>

#include "core/numbers.h"

namespace vorlinde {

NumberFormat systemFormat() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void ToolWindow::connectHandlers() {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    onClick(panels_[i].button, [this, i] {
      const Panel& panel = panels_[i];
      if (panel.guarded && !numbersEntered(panel)) return;
      handlers_[i](panel);
    });
  }
  if (exitButton_) onClick(exitButton_, [this] { unload(); });
}

bool ToolWindow::numbersEntered(const Panel& panel) {
  for (const std::string& box : panel.boxes) {
    if (!isNumeric(text(box), format_)) {
      messageBox(kEnterNumbersPrompt);
      return false;
    }
  }
  return true;
}

std::vector<std::string> ToolWindow::texts(const Panel& panel) const {
  std::vector<std::string> result;
  for (const std::string& box : panel.boxes)
    result.push_back(text(box));
  return result;
}

void ToolWindow::write(const Panel& panel, const std::vector<std::string>& captions) {
  for (std::size_t i = 0; i < captions.size() && i < panel.labels.size(); ++i)
    setCaption(panel.labels[i], captions[i]);
}

}  // namespace vorlinde
