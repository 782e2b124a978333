#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "forms/control_table.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vorlinde {

class FormRegistry;

// One window of the program. The instance lives for the whole run; its Qt window
// is built from the description on load and destroyed on unload, so the controls
// start again from their initial texts while the instance's own members survive.
class Form {
 public:
  Form(FormRegistry& registry, FormDescription description);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDescription& description() const { return description_; }
  const std::string& name() const { return description_.name; }

  // Loads the window if need be, shows it and brings it to the front.
  void show();
  void load();
  void unload();
  bool isLoaded() const { return window_ != nullptr; }
  QWidget* window() const { return window_; }

  // Controls by object name ("Label5", "Text1(3)"); nullptr when not loaded.
  QWidget* control(std::string_view objectName) const;
  QLabel* label(std::string_view objectName) const;
  QLineEdit* textBox(std::string_view objectName) const;
  QPushButton* button(std::string_view objectName) const;
  QListWidget* listBox(std::string_view objectName) const;

  // The properties handlers use, in UTF-8 text and twips.
  std::string text(std::string_view textBox) const;
  void setText(std::string_view textBox, const std::string& text);
  std::string caption(std::string_view objectName) const;
  void setCaption(std::string_view objectName, const std::string& caption);
  bool isVisible(std::string_view objectName) const;
  void setVisible(std::string_view objectName, bool visible);
  Twips place(std::string_view objectName) const;
  void move(std::string_view objectName, Twips place);
  void addItem(std::string_view listBox, const std::string& entry);

  // Names the control for accessibility by the caption of the label that names
  // it on screen; a result label so named can be selected and copied.
  void name(std::string_view objectName, std::string_view namingLabel);
  // The same with the name itself, for controls no caption names (the grid's
  // boxes), with an optional description.
  void nameAs(std::string_view objectName, const std::string& name,
              const std::string& description = {});

  // The order Tab visits the controls in: the table's, until the window sets its
  // own (hidden controls are passed over).
  const std::vector<std::string>& tabOrder() const { return tabOrder_; }
  void setTabOrder(std::vector<std::string> order);

  // Puts the keyboard focus in the control, as the pupil's next keys go there.
  void setFocus(std::string_view objectName);
  int outerWidth() const { return outerWidth_; }
  int outerHeight() const { return outerHeight_; }
  void setOuterWidth(int twips);
  void setOuterHeight(int twips);

  // The program's message box, modal, over this window.
  void messageBox(const std::string& prompt);

  // Gives every result label the room to show its whole caption (see fitResults);
  // runs after every click, on load, and when a caption is set outside a click.
  void relayout();
  // Return or Enter in a box; true when the form acted on it.
  virtual bool returnPressed(std::string_view /*textBox*/) { return false; }

 protected:
  // The window's load handler: runs each time the window has been built.
  virtual void onLoad() {}
  // Binds the buttons to their click handlers; runs each time the window is built.
  virtual void connectHandlers() {}
  // Runs the handler on a click. A run-time error stops it and is reported here,
  // the one place that catches them; what the handler wrote before stays.
  void onClick(std::string_view button, std::function<void()> handler);
  // Whether the running click has set the caption of that label.
  bool written(std::string_view label) const;
  // The last message box the running click showed; empty for none.
  const std::string& clickMessage() const { return clickMessage_; }
  FormRegistry& registry() { return registry_; }

 private:
  QPoint firstPosition();
  void build();
  void nameControls();
  void applyTabOrder();
  void resizeClient();

  FormRegistry& registry_;
  FormDescription description_;
  QPointer<QWidget> window_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  std::vector<QLabel*> results_;  // the result labels, in the table's order
  bool inClick_ = false;
  std::vector<std::string> written_;  // the labels the running click has written
  std::string clickMessage_;
  std::vector<std::string> tabOrder_;
  int outerWidth_ = 0, outerHeight_ = 0;
  QPoint lastPosition_;
  bool placed_ = false;
};

}  // namespace vorlinde
