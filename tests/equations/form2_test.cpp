#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPalette>

#include "equations/form2.h"
#include "support/form_driver.h"

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

// Types the texts into the panel's boxes, clicks its button, and returns the
// prompts of the boxes the click showed.
QStringList solve(QWidget* w, const Panel& panel, const QStringList& texts) {
  for (int i = 0; i < panel.boxes.size(); ++i)
    type(w, panel.boxes[i], texts.value(i));
  return promptsOf(click(w, panel.button));
}

QStringList results(QWidget* w, const Panel& panel) {
  return {caption(w, panel.first), caption(w, panel.second)};
}

// Each click rewrites both labels of its own panel; the other panel's boxes stay
// empty all along, since only the panel's own boxes are tested.
TEST(EquationWindow, ClicksShowTheAnswers) {
  Opened<Form2> form;
  QWidget* w = form.window();
  struct Case {
    const Panel* panel;
    QStringList texts;
    QStringList labels;
  } cases[] = {
      {&kQuadratic, {"1", "-3", "2"}, {"x1=2", "x2=1"}},
      {&kQuadratic, {"1", "0", "0"}, {"x1=0", "x2=0"}},
      {&kQuadratic, {"1", "0", "1"}, {"无实数根", ""}},
      {&kQuadratic, {"1", "1", "0.1"}, {"x1=-0.112701665379258", "x2=-0.887298334620742"}},
      {&kQuadratic, {"0", "2", "-4"}, {"x=2", ""}},
      {&kQuadratic, {"1", "200", "1"}, {"x1=-0.00500012500624791", "x2=-199.994999874994"}},
      {&kQuadratic, {"0", "200", "1"}, {"x=-0.005", ""}},
      {&kSystem, {"1", "1", "3", "1", "-1", "1"}, {"x1=2", "x2=1"}},
      {&kSystem, {"3", "0", "1", "0", "3", "2"}, {"x1=0.333333333333333", "x2=0.666666666666667"}},
  };
  for (const Case& c : cases) {
    const Panel& other = c.panel == &kQuadratic ? kSystem : kQuadratic;
    const QStringList otherLabels = results(w, other);
    EXPECT_TRUE(solve(w, *c.panel, c.texts).isEmpty()) << c.texts.join(" | ").toStdString();
    EXPECT_EQ(results(w, *c.panel), c.labels) << c.texts.join(" | ").toStdString();
    EXPECT_EQ(results(w, other), otherLabels);
  }
}

// One empty or non-numeric box of the panel: the request for numbers, and both
// labels keep the previous answer. Junk in the other panel does not matter.
TEST(EquationWindow, GuardLooksAtThePanelsOwnBoxes) {
  Opened<Form2> form;
  QWidget* w = form.window();
  struct Case {
    const Panel* panel;
    QStringList good;
    QStringList shown;
    const Panel* other;
  } cases[] = {
      {&kQuadratic, {"1", "-3", "2"}, {"x1=2", "x2=1"}, &kSystem},
      {&kSystem, {"1", "1", "3", "1", "-1", "1"}, {"x1=2", "x2=1"}, &kQuadratic},
  };
  for (const Case& c : cases) {
    for (const QString& box : c.other->boxes)
      type(w, box, "junk");
    ASSERT_TRUE(solve(w, *c.panel, c.good).isEmpty());
    ASSERT_EQ(results(w, *c.panel), c.shown);
    for (int i = 0; i < c.good.size(); ++i) {
      for (const QString& bad : {QString(""), QString("1a"), QString(" ")}) {
        QStringList texts = c.good;
        texts[i] = bad;
        EXPECT_EQ(solve(w, *c.panel, texts), QStringList{"请输入数字！"})
            << c.panel->boxes[i].toStdString() << " = '" << bad.toStdString() << "'";
        EXPECT_EQ(results(w, *c.panel), c.shown);
        EXPECT_EQ(find<QLineEdit>(w, c.panel->boxes[i])->text(), bad);  // boxes untouched
      }
    }
    for (const QString& box : c.other->boxes)
      type(w, box, "");
  }
}

// A run-time error is reported, both labels stay as they were, and the window
// goes on working.
TEST(EquationWindow, RunTimeErrorsLeaveThePanelAlone) {
  Opened<Form2> form;
  QWidget* w = form.window();
  struct Case {
    const Panel* panel;
    QStringList failing;
    int error;
  } cases[] = {
      {&kQuadratic, {"0", "0", "5"}, 11},
      {&kQuadratic, {"0", "0", "0"}, 6},
      {&kQuadratic, {"1E200", "1", "1E200"}, 6},
      {&kSystem, {"1", "1", "1", "1", "1", "2"}, 11},
      {&kSystem, {"2", "4", "6", "1", "2", "3"}, 6},
  };
  for (const Case& c : cases) {
    const bool quadratic = c.panel == &kQuadratic;
    const QStringList good =
        quadratic ? QStringList{"1", "-3", "2"} : QStringList{"1", "1", "3", "1", "-1", "1"};
    ASSERT_TRUE(solve(w, *c.panel, good).isEmpty());
    const QStringList before = results(w, *c.panel);
    EXPECT_EQ(solve(w, *c.panel, c.failing), QStringList{errorPrompt(c.error)})
        << c.failing.join(" | ").toStdString();
    EXPECT_EQ(results(w, *c.panel), before);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(form.forms().ended());
  }
  EXPECT_TRUE(solve(w, kQuadratic, {"2", "-4", "-6"}).isEmpty());
  EXPECT_EQ(results(w, kQuadratic), QStringList({"x1=3", "x2=-1"}));
}

TEST(EquationWindow, ExitUnloadsAndReloadStartsEmpty) {
  Opened<Form2> form;
  solve(form.window(), kQuadratic, {"1", "-3", "2"});
  solve(form.window(), kSystem, {"1", "1", "3", "1", "-1", "1"});
  EXPECT_TRUE(click(form.window(), "Command2").empty());
  settle();
  EXPECT_FALSE(form.form().isLoaded());
  form.form().show();
  QWidget* w = form.window();
  for (const QString& box : kQuadratic.boxes + kSystem.boxes)
    EXPECT_TRUE(find<QLineEdit>(w, box)->text().isEmpty()) << box.toStdString();
  EXPECT_EQ(results(w, kQuadratic) + results(w, kSystem), QStringList({"", "", "", ""}));
  EXPECT_EQ(w->focusWidget(), find<QWidget>(w, "Text1"));
}

TEST(EquationWindow, OpensWithFocusTabOrderAndWhiteResults) {
  Opened<Form2> form;
  QWidget* w = form.window();
  EXPECT_EQ(w->windowTitle(), QString("解方程"));
  EXPECT_EQ(w->size(), QSize(311, 425));
  EXPECT_EQ(w->focusWidget(), find<QWidget>(w, "Text1"));
  QStringList order;
  QWidget* next = find<QWidget>(w, "Text1");
  do {
    if (next->focusPolicy() & Qt::TabFocus) order << next->objectName();
    next = next->nextInFocusChain();
  } while (next && next->objectName() != "Text1");
  EXPECT_EQ(order, QStringList({"Text1", "Text2", "Text3", "Command1", "Command2", "Text4", "Text5",
                                "Text6", "Text7", "Text8", "Text9", "Command3"}));
  // The result labels paint their own white background; the others the window's.
  for (const char* name : {"Label9", "Label10", "Label28", "Label29"}) {
    auto* label = find<QLabel>(w, name);
    EXPECT_TRUE(label->autoFillBackground()) << name;
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white)) << name;
  }
  EXPECT_FALSE(find<QLabel>(w, "Label8")->autoFillBackground());
}

// The subscript labels wrap their "1  2" into two lines that fit the label: the
// 1 level with the upper row and the 2 with the lower one.
TEST(EquationWindow, SubscriptsWrapBesideTheirRows) {
  Opened<Form2> form;
  QWidget* w = form.window();
  struct Case {
    const char* subscript;
    const char* upperRow;  // a control the 1 belongs beside
    const char* lowerRow;  // and the 2
  } cases[] = {
      {"Label15", "Label13", "Label14"}, {"Label16", "Label13", "Label14"},
      {"Label17", "Label13", "Label14"}, {"Label24", "Label18", "Label21"},
      {"Label25", "Label19", "Label22"}, {"Label26", "Label20", "Label23"},
  };
  for (const Case& c : cases) {
    auto* label = find<QLabel>(w, c.subscript);
    const int line = QFontMetrics(label->font()).lineSpacing();
    EXPECT_EQ(label->heightForWidth(label->width()), 2 * line) << c.subscript;
    const QRect first(label->x(), label->y(), label->width(), line);
    const QRect second = first.translated(0, line);
    const QRect upper = find<QWidget>(w, c.upperRow)->geometry();
    const QRect lower = find<QWidget>(w, c.lowerRow)->geometry();
    // Each digit's line overlaps its own row by at least half a line, not the other.
    EXPECT_GE(first.intersected(upper).height(), line / 2) << c.subscript;
    EXPECT_GE(second.intersected(lower).height(), line / 2) << c.subscript;
    EXPECT_LT(first.intersected(lower).height(), line / 2) << c.subscript;
  }
  // The exponent of x² is smaller than the line it stands in, and starts at its top.
  auto* exponent = find<QLabel>(w, "Label3");
  auto* line = find<QLabel>(w, "Label2");
  EXPECT_LT(exponent->font().pixelSize(), line->font().pixelSize());
  EXPECT_EQ(exponent->y(), line->y());
  EXPECT_EQ(exponent->alignment() & Qt::AlignVertical_Mask, Qt::AlignTop);
  EXPECT_EQ(find<QLabel>(w, "Label13")->font().pixelSize(), 14);
  EXPECT_EQ(find<QLabel>(w, "Label14")->font().pixelSize(), 14);
  EXPECT_EQ(exponent->font().pixelSize(), 9);
}

}  // namespace
}  // namespace vorlinde::test
