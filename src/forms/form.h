#pragma once

#include <QIcon>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "core/numbers.h"
#include "forms/control_table.h"

class QFontMetrics;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vorlinde {

class FormRegistry;

// What the numeric guard says when a box does not hold a number.
inline constexpr const char* kEnterNumbersPrompt = "请输入数字！";

// Twips to logical pixels and back: 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;
int toPixels(int twips);

// Splits a caption into the lines a label of the given width shows, the way the
// forms' labels wrap: at blanks and between Chinese characters, never inside a
// number or a word (one longer than the line stands alone and is cut at the edge).
// A line breaks at its first blank; the blanks after it begin the next line, or
// make a blank line when what follows would not fit after them.
QStringList wrapCaption(const QString& caption, const QFontMetrics& metrics, int width);

// The window frame the forms were laid out for, in twips: a window's outer size is
// its client area plus a 4-pixel border on each side and a 23-pixel title bar.
inline constexpr int kFrameWidth = 8 * kTwipsPerPixel;
inline constexpr int kFrameHeight = 31 * kTwipsPerPixel;

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
  // The guard of every compute button: true when each box holds a number
  // (the numeric test); otherwise the message "请输入数字！", and false.
  template <class Boxes>
  bool numbersEntered(const Boxes& boxes) {
    for (const auto& box : boxes) {
      if (!isNumeric(text(box))) {
        messageBox(kEnterNumbersPrompt);
        return false;
      }
    }
    return true;
  }
  bool numbersEntered(std::initializer_list<std::string_view> boxes) {
    return numbersEntered<std::initializer_list<std::string_view>>(boxes);
  }

  // Names the control for accessibility by the caption of the label that names
  // it on screen; a result label so named can be selected and copied.
  void name(std::string_view objectName, std::string_view namingLabel);
  // The same with the name itself, for controls no caption names (the grid's
  // boxes), with an optional description.
  void nameAs(std::string_view objectName, const std::string& name,
              const std::string& description = {});

  // Puts the keyboard focus in the control, as the pupil's next keys go there.
  void setFocus(std::string_view objectName);
  int outerWidth() const { return outerWidth_; }
  int outerHeight() const { return outerHeight_; }
  void setOuterWidth(int twips);
  void setOuterHeight(int twips);

  // The program's message box, modal, over this window.
  void messageBox(const std::string& prompt);

 protected:
  // The window's load handler: runs each time the window has been built.
  virtual void onLoad() {}
  // Binds the buttons to their click handlers; runs each time the window is built.
  virtual void connectHandlers() {}
  // Runs the handler on a click. A run-time error stops it and is reported here,
  // the one place that catches them; what the handler wrote before stays.
  void onClick(std::string_view button, std::function<void()> handler);
  FormRegistry& registry() { return registry_; }

 private:
  void build();
  void applyTabOrder();
  void resizeClient();

  FormRegistry& registry_;
  FormDescription description_;
  QPointer<QWidget> window_;
  std::map<std::string, QWidget*, std::less<>> controls_;
  int outerWidth_ = 0, outerHeight_ = 0;
  QPoint lastPosition_;
  bool placed_ = false;
};

// Owns the one instance of every window and ends the program when the main
// window's exit is pressed or the last loaded window is unloaded.
class FormRegistry {
 public:
  FormRegistry();
  ~FormRegistry();
  FormRegistry(const FormRegistry&) = delete;
  FormRegistry& operator=(const FormRegistry&) = delete;

  // The window's single instance, created on first use.
  template <class F>
  F& instance() {
    auto& slot = forms_[std::type_index(typeid(F))];
    if (!slot) slot = std::make_unique<F>(*this);
    return static_cast<F&>(*slot);
  }
  template <class F>
  F* existing() const {
    auto it = forms_.find(std::type_index(typeid(F)));
    return it == forms_.end() ? nullptr : static_cast<F*>(it->second.get());
  }

  bool anyLoaded() const;
  // Unloads every window and leaves the event loop.
  void endApplication();
  bool ended() const { return ended_; }
  // Called by a window after it has unloaded.
  void windowUnloaded();
  // The window icon of that name; its pictures are decoded once, for all windows.
  const QIcon& windowIcon(const char* name);

 private:
  std::map<std::string, QIcon, std::less<>> icons_;
  std::map<std::type_index, std::unique_ptr<Form>> forms_;
  bool ended_ = false;
};

}  // namespace vorlinde
