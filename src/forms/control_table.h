#pragma once

#include <string>
#include <vector>

// A window's description as data: every control with its kind, name, caption,
// parent and place in twips, the way a form description reads. The forms layer
// builds real widgets from it each time the window is loaded.

namespace vorlinde {

enum class ControlKind { Label, TextBox, MultiLineText, Button, Frame, ListBox, Picture, Image };

// Twips to logical pixels and back: 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;
int toPixels(int twips);

// The window frame the forms were laid out for, in twips: a window's outer size is
// its client area plus a 4-pixel border on each side and a 23-pixel title bar.
inline constexpr int kFrameWidth = 8 * kTwipsPerPixel;
inline constexpr int kFrameHeight = 31 * kTwipsPerPixel;

// A place in twips.
struct Twips {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Twips&) const = default;
};

// The background a control paints; Default shows the window's own.
enum class Backdrop { Default, ButtonFace, Window, HighlightText };

struct FontChoice {
  const char* family = nullptr;  // nullptr: the window's font
  double points = 0;             // 0: the window's size
};

struct Style {
  FontChoice font = {};
  Backdrop backdrop = Backdrop::Default;
  bool autoSize = false;          // a label that sizes itself to its caption
  bool locked = false;            // a text box the pupil reads but cannot change
  const char* picture = nullptr;  // resource path of a picture box's or image's picture
  // The label whose caption names this control on screen ("输入a：" names a's box).
  // It is the control's accessible name; a label named so shows a result, which
  // the pupil can select and copy.
  const char* namedBy = nullptr;
  // The accessible name itself, where no one caption names the control: a result
  // beside a formula drawn from several labels ("1²+2²+3²+……+n²").
  const char* accessibleName = nullptr;
  // What a screen reader adds where the name alone leaves the pupil guessing.
  const char* description = nullptr;
};

struct ControlDescription {
  ControlKind kind;
  std::string name;
  std::string caption;  // caption, text, or the lines of a multi-line box
  std::string parent;   // the frame that holds it; empty for the window
  Twips place;
  Style style = {};
  int index = -1;  // element of a control array, or -1

  // What the widget is called: "Text1", or "Text1(3)" for an array element.
  std::string objectName() const {
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
  }
};

struct FormDescription {
  std::string name;
  std::string caption;
  int clientWidth = 0, clientHeight = 0;     // twips
  std::vector<ControlDescription> controls;  // in creation order: frames before their contents
  std::vector<std::string> tabOrder;         // object names, in the order Tab visits them
  std::string firstFocus;                    // where the pupil types first; empty for none
  const char* icon = nullptr;                // icon name in resources/icons; nullptr: the program's
  // A window that grows at run time moves left and up as far as it must to stay
  // within its screen's available area.
  bool keepOnScreen = false;
};

}  // namespace vorlinde
