#include "windows/tool_window.h"

#include <QLineEdit>
#include <QLocale>
#include <limits>

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
      try {
        handlers_[i](panel);
      } catch (RuntimeError& error) {
        // No result of an earlier click may stand beside the error as if it were this one's.
        for (const std::string& label : panel.labels)
          if (this->label(label) && !written(label)) setCaption(label, "");
        error.advise(advice(panel, error.code()));
        throw;
      }
    });
  }
  if (exitButton_) onClick(exitButton_, [this] { unload(); });
}

bool ToolWindow::numbersEntered(const Panel& panel) {
  for (const std::string& box : panel.boxes) {
    if (!isNumeric(text(box), format_)) {
      messageBox(kEnterNumbersPrompt);
      // The pupil's next keys replace what was refused.
      setFocus(box);
      if (QLineEdit* edit = textBox(box)) edit->selectAll();
      return false;
    }
  }
  return true;
}

double ToolWindow::value(const std::string& box) const {
  const std::string t = text(box);
  return isNumeric(t, format_) ? readDouble(t, format_) : std::numeric_limits<double>::quiet_NaN();
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
