#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPalette>

#include "support/form_driver.h"
#include "windows/equation_window.h"

namespace vorlinde::test {
namespace {

// One panel of the window: its boxes, its button and its two result labels.
struct Panel {
  QStringList boxes;
  QString button, first, second;
};
const Panel kQuadratic{{"Text1", "Text2", "Text3"}, "Command1", "Label9", "Label10"};
const Panel kSystem{
    {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"}, "Command3", "Label28", "Label29"};

QStringList results(QWidget* w, const Panel& panel) {
  return {caption(w, panel.first), caption(w, panel.second)};
}

// The digits are the computation tables' business; here each button must read
// its own boxes in order (the six system coefficients all differ), write both of
// its own labels or neither, ignore junk in the other panel's boxes and leave the
// boxes as typed. Both panels go on working after an error, and "退 出" unloads
// the window, which opens again empty.
TEST(EquationWindow, EachButtonAnswersFromItsOwnBoxes) {
  Opened<EquationWindow> form;
  QWidget* w = form.window();
  const QString guard = "请输入数字！";
  struct Case {
    const Panel* panel;
    QStringList texts, prompts, labels;
  } cases[] = {
      {&kQuadratic, {"1", "-3", "2"}, {}, {"x1=2", "x2=1"}},
      {&kSystem, {"3", "4", "11", "5", "-6", "-7"}, {}, {"x1=1", "x2=2"}},
      {&kQuadratic, {"1", "", "2"}, {guard}, {"x1=2", "x2=1"}},
      {&kSystem, {"3", "4", "11", "5", "-6", "1a"}, {guard}, {"x1=1", "x2=2"}},
      {&kQuadratic, {"0", "0", "5"}, {errorPrompt(11)}, {"x1=2", "x2=1"}},
      {&kSystem, {"2", "4", "6", "1", "2", "3"}, {errorPrompt(6)}, {"x1=1", "x2=2"}},
      {&kQuadratic, {"0", "2", "-4"}, {}, {"x=2", ""}},
      {&kSystem, {"1", "1", "3", "1", "-1", "1"}, {}, {"x1=2", "x2=1"}},
      {&kQuadratic, {"2", "-4", "-6"}, {}, {"x1=3", "x2=-1"}},
  };
  for (const Case& c : cases) {
    const Panel& other = c.panel == &kQuadratic ? kSystem : kQuadratic;
    for (const QString& box : other.boxes)
      type(w, box, "junk");
    const QStringList otherLabels = results(w, other);
    for (int i = 0; i < c.panel->boxes.size(); ++i)
      type(w, c.panel->boxes[i], c.texts[i]);
    const std::string shown = c.texts.join(" | ").toStdString();
    EXPECT_EQ(promptsOf(click(w, c.panel->button)), c.prompts) << shown;
    EXPECT_EQ(results(w, *c.panel), c.labels) << shown;
    EXPECT_EQ(results(w, other), otherLabels) << shown;
    for (int i = 0; i < c.panel->boxes.size(); ++i)
      EXPECT_EQ(find<QLineEdit>(w, c.panel->boxes[i])->text(), c.texts[i]) << shown;
  }
  EXPECT_FALSE(form.forms().ended());
  EXPECT_TRUE(click(w, "Command2").empty());
  settle();
  EXPECT_FALSE(form.form().isLoaded());
  form.form().show();
  w = form.window();
  for (const QString& box : kQuadratic.boxes + kSystem.boxes)
    EXPECT_TRUE(find<QLineEdit>(w, box)->text().isEmpty()) << box.toStdString();
  EXPECT_EQ(results(w, kQuadratic) + results(w, kSystem), QStringList({"", "", "", ""}));
  EXPECT_EQ(w->focusWidget(), find<QWidget>(w, "Text1"));
}

// The first focus and the Tab order are walked with the Tab key, for every
// window, in tests/shell/accessibility_test.cpp.
TEST(EquationWindow, LaidOutWithSubscriptsBesideTheirRows) {
  Opened<EquationWindow> form;
  QWidget* w = form.window();
  EXPECT_EQ(w->windowTitle(), QString("解方程"));
  EXPECT_EQ(w->size(), QSize(311, 425));
  struct Control {
    const char* name;
    QString text;  // blanks count
    QRect twips;
    int pixelSize;  // 宋体 6.75 and 10.5 points, or the window's font
    bool white;     // paints its own white background
  } controls[] = {
      {"Label3", "2", {2760, 600, 135, 255}, 9, false},
      {"Label13", "a  x + b  y =  c", {720, 3120, 2055, 255}, 14, false},
      {"Label14", "a  x + b  y =  c", {720, 3480, 2295, 375}, 14, false},
      {"Label16", "1   2", {1560, 3240, 135, 735}, 12, false},
      {"Label8", "该方程的解是：", {240, 1440, 1335, 255}, 12, false},
      {"Label9", "", {240, 1800, 1455, 375}, 12, true},
      {"Label10", "", {1800, 1800, 1455, 375}, 12, true},
      {"Label28", "", {240, 5280, 1455, 375}, 12, true},
      {"Label29", "", {1800, 5280, 1455, 375}, 12, true},
      {"Command3", "求  解", {3480, 5280, 975, 375}, 12, false},
      {"Command2", "退 出", {3480, 5880, 975, 375}, 12, false},
  };
  for (const Control& c : controls) {
    auto* control = find<QWidget>(w, c.name);
    EXPECT_EQ(control->property("text").toString(), c.text) << c.name;
    EXPECT_EQ(control->property("twips").toRect(), c.twips) << c.name;
    EXPECT_EQ(control->font().pixelSize(), c.pixelSize) << c.name;
    EXPECT_EQ(control->autoFillBackground(), c.white) << c.name;
    if (c.white) {
      EXPECT_EQ(control->palette().color(QPalette::Window), QColor(Qt::white)) << c.name;
    }
  }
  // The exponent of x² starts at the top of the line it stands in.
  EXPECT_EQ(find<QLabel>(w, "Label3")->y(), find<QLabel>(w, "Label2")->y());
  EXPECT_EQ(find<QLabel>(w, "Label3")->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
  // Each subscript label wraps into two lines: the 1 level with the upper row
  // (overlapping it by half a line at least; the rows lie apart, so not the
  // lower one too), the 2 with the lower.
  const char* subscripts[][3] = {
      {"Label15", "Label13", "Label14"}, {"Label16", "Label13", "Label14"},
      {"Label17", "Label13", "Label14"}, {"Label24", "Label18", "Label21"},
      {"Label25", "Label19", "Label22"}, {"Label26", "Label20", "Label23"},
  };
  for (const auto& [name, upperRow, lowerRow] : subscripts) {
    auto* label = find<QLabel>(w, name);
    const int line = QFontMetrics(label->font()).lineSpacing();
    EXPECT_EQ(label->heightForWidth(label->width()), 2 * line) << name;
    const QRect first(label->x(), label->y(), label->width(), line);
    const QRect upper = find<QWidget>(w, upperRow)->geometry();
    const QRect lower = find<QWidget>(w, lowerRow)->geometry();
    EXPECT_GE(first.intersected(upper).height(), line / 2) << name;
    EXPECT_GE(first.translated(0, line).intersected(lower).height(), line / 2) << name;
  }
}

}  // namespace
}  // namespace vorlinde::test
