#include "windows/tool_window.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "core/numbers.h"
#include "forms/widgets.h"

namespace vorlinde {

namespace {

WorkingLink& link() {
  static WorkingLink shared;
  return shared;
}

void showWorking(QWidget* asking) {
  if (link().show) link().show(asking);
}

}  // namespace

void setWorkingLink(WorkingLink link) {
  vorlinde::link() = std::move(link);
}

ControlDescription workingButton(Twips place) {
  return {ControlKind::Button,
          kWorkingButton,
          "解题过程",
          "",
          place,
          {.description = "打开“解题过程”窗口"}};
}

NumberFormat systemFormat() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void ToolWindow::connectHandlers() {
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    onClick(panels_[i].get().button, [this, i] {
      const PanelEntry& panel = panels_[i];
      if (panel.guarded && !numbersEntered(panel)) return;
      try {
        handlers_[i](panel);
      } catch (RuntimeError& error) {
        // No result of an earlier click may stand beside the error as if it were this one's.
        for (const std::string& label : panel.labels)
          if (this->label(label) && !written(label)) setCaption(label, "");
        std::vector<double> values;
        for (const std::string& box : panel.boxes)
          values.push_back(value(box));
        error.advise(panel.advice(error.code(), values));
        record(panel, error.number());
        throw;
      }
      record(panel, 0);
    });
  }
  if (exitButton_) onClick(exitButton_, [this] { unload(); });
  connectWorking();
}

// Return or Enter in a box clicks the button that reads it, the first of them in
// the Tab order where two do, before the key event returns.
bool ToolWindow::returnPressed(std::string_view box) {
  const std::vector<std::string>& order = tabOrder();
  const auto rank = [&](const PanelEntry* panel) {
    return std::ranges::find(order, panel->button);
  };
  const PanelEntry* reader = nullptr;
  for (const PanelEntry& panel : panels_)
    if (std::ranges::find(panel.boxes, box) != panel.boxes.end() &&
        (!reader || rank(&panel) < rank(reader)))
      reader = &panel;
  QPushButton* target = reader ? button(reader->button) : nullptr;
  if (target) target->click();
  return target;
}

void ToolWindow::record(const PanelEntry& panel, int error) {
  if (!panel.calculation || !link().record) return;
  Calculation c{panel.id};
  for (const std::string& box : boxesRead(panel))
    c.texts.push_back(text(box));
  c.unknowns = unknowns();
  c.error = error;
  for (const std::string& name : panel.labels) {
    std::optional<std::string> shown;
    if (QListWidget* list = listBox(name); list && list->count())
      shown = list->item(list->count() - 1)->text().toStdString();
    else if (QLabel* l = label(name); l && !l->isHidden())
      shown = l->text().toStdString();
    c.shown.push_back(std::move(shown));
  }
  c.format = format_;
  c.when = QDateTime::currentMSecsSinceEpoch();
  c.message = clickMessage();
  link().record(std::move(c));
}

void ToolWindow::connectWorking() {
  const auto show = [this] { showWorking(window()); };
  onClick(kWorkingButton, show);
  QPushButton* button = this->button(kWorkingButton);
  if (!button) return;
  button->setToolTip(QStringLiteral("显示最近一次计算的解题过程（%1）").arg(kWorkingShortcut));
  // The shortcut opens the working at once, without the button's animated press;
  // the same action is the results' menu entry.
  auto* action = new QAction(QStringLiteral("解题过程"), button);
  action->setShortcut(QKeySequence(kWorkingShortcut));
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, button, show);
  window()->addAction(action);
  for (const PanelEntry& panel : panels_)
    for (const std::string& name : panel.labels)
      if (auto* result = dynamic_cast<FormLabel*>(control(name)); result && result->isResult())
        result->addAction(action);
}

bool ToolWindow::numbersEntered(const PanelEntry& panel) {
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

std::vector<std::string> ToolWindow::texts(const PanelEntry& panel) const {
  std::vector<std::string> result;
  for (const std::string& box : panel.boxes)
    result.push_back(text(box));
  return result;
}

void ToolWindow::write(const PanelEntry& panel, const std::vector<std::string>& captions) {
  for (std::size_t i = 0; i < captions.size() && i < panel.labels.size(); ++i)
    setCaption(panel.labels[i], captions[i]);
}

}  // namespace vorlinde
