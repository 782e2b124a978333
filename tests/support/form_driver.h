#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>

#include "forms/registry.h"

// Failure messages show a QString as its text, not as bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vorlinde::test {

// A message box as the pupil saw it.
struct ShownBox {
  QString title;
  QString prompt;
  bool hasIcon = false;
  int buttonCount = 0;
  QString buttonText;
  Qt::WindowFlags flags;
  int width = 0;
  QString defaultButton;
  // Every line of the prompt, laid out as its label lays it out, fits the label,
  // the label fits the box and the box fits the screen's available area.
  bool whole = false;
};

// Runs the action and answers every message box it shows, with OK where the box
// has it, else with Escape or, if given, the button of that text; returns those
// boxes in the order they came.
std::vector<ShownBox> answering(const std::function<void()>& action, const QString& choose = {});

// Lets deferred deletions and other posted events run.
void settle();

// One window opened on its own, as the main window's "进 入" would open it:
// the registry that owns it, the form and its Qt window.
template <class F>
class Opened {
 public:
  Opened() : forms_(std::make_unique<FormRegistry>()), form_(forms_->instance<F>()) {
    form_.show();
  }
  ~Opened() {
    forms_.reset();
    settle();
  }
  F& form() { return form_; }
  QWidget* window() { return form_.window(); }
  FormRegistry& forms() { return *forms_; }

 private:
  std::unique_ptr<FormRegistry> forms_;
  F& form_;
};

// A control of a window by its object name; fails the test when it is missing.
template <class W = QWidget>
W* find(QWidget* window, const QString& objectName) {
  W* w = window ? window->findChild<W*>(objectName) : nullptr;
  if (!w) ADD_FAILURE() << "no control " << objectName.toStdString();
  return w;
}

// Clicks the button with the mouse and answers the boxes it shows (see answering).
std::vector<ShownBox> click(QPushButton* button);
std::vector<ShownBox> click(QWidget* window, const QString& button);

// Just the prompts of the boxes a click showed.
QStringList promptsOf(const std::vector<ShownBox>& boxes);

// Replaces a text box's text, as the pupil typing it would.
void type(QWidget* window, const QString& box, const QString& text);

QString caption(QWidget* window, const QString& label);

// The run-time error box's prompt for the error number.
QString errorPrompt(int number);

}  // namespace vorlinde::test
