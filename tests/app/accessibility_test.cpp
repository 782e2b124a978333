#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <functional>
#include <vector>

#include "support/program.h"

// What a screen reader finds in each window, opened from the main window as a
// pupil opens it: every box, button and result label has a name, and the
// keyboard walks the controls in the window's reading order.

namespace vorlinde::test {
namespace {

// The main window (entry 0) and the windows its "进 入" buttons open (1 to 5).
QWidget* open(Program& program, int entry) {
  return entry == 0 ? program.main().window() : program.enter(entry);
}

// Every node of the window's accessibility tree, depth first.
void walk(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& visit) {
  if (!node) return;
  visit(node);
  for (int i = 0; i < node->childCount(); ++i)
    walk(node->child(i), visit);
}

QString objectName(QAccessibleInterface* node) {
  return node->object() ? node->object()->objectName() : QString();
}

// Checks the names a screen reader reads in the window; returns how many result
// labels it found, and how many of those showed a result.
std::pair<int, int> expectEveryControlNamed(QWidget* window) {
  int results = 0, shown = 0;
  walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* node) {
    if (node->state().invisible) return;
    const QString name = node->text(QAccessible::Name);
    auto* widget = qobject_cast<QWidget*>(node->object());
    const std::string where = (window->objectName() + "." + objectName(node)).toStdString();
    if (node->role() == QAccessible::EditableText || qobject_cast<QLineEdit*>(widget)) {
      // Not Qt's fallback, the title of the frame that holds the box.
      EXPECT_FALSE(widget && widget->accessibleName().isEmpty()) << where << " has no name";
      EXPECT_FALSE(name.isEmpty()) << where;
    }
    if (node->role() == QAccessible::Button) {
      EXPECT_FALSE(name.isEmpty()) << where;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && label->property("namedBy").isValid()) {
      ++results;
      EXPECT_FALSE(name.isEmpty()) << where;
      if (!label->text().isEmpty()) {
        ++shown;
        EXPECT_TRUE(name.endsWith(label->text())) << where << ": " << name.toStdString();
        EXPECT_GT(name.size(), label->text().size()) << where << " is named by its result only";
      }
    }
  });
  return {results, shown};
}

QMap<QString, QString> labelTexts(QWidget* window) {
  QMap<QString, QString> texts;
  for (QLabel* label : window->findChildren<QLabel*>())
    texts[label->objectName()] = label->text();
  return texts;
}

// Types a number into every box that shows and clicks the button; the numbers
// are chosen so that every panel computes a result.
void fillAndClick(QWidget* window, const char* button) {
  static const char* const kNumbers[] = {"2", "3", "5", "7", "11", "13", "17", "19"};
  int k = 0;
  for (QLineEdit* box : window->findChildren<QLineEdit*>())
    if (box->isVisible()) type(window, box->objectName(), kNumbers[k++ % std::size(kNumbers)]);
  click(window, button);
}

struct NamedWindow {
  int entry;
  const char* caption;
  std::vector<const char*> setup;    // clicks that lay the window out
  std::vector<const char*> compute;  // clicks that write results
};

const NamedWindow kWindows[] = {
    {0, "Vorlinde", {}, {}},
    {1, "代数", {}, {"Command1", "Command3", "Command4", "Command5", "Command6", "Command7"}},
    {2, "解方程", {}, {"Command1", "Command3"}},
    {3, "解线性方程组", {"Command2"}, {"Command1"}},
    {4, "求数列前n项的和", {}, {"Command4", "Command3", "Command1"}},
    {5,
     "几何求积",
     {},
     {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
      "Command8", "Command9"}},
};

TEST(Accessibility, EveryBoxButtonAndResultHasAName) {
  Program program;
  for (const NamedWindow& c : kWindows) {
    QWidget* window = open(program, c.entry);
    ASSERT_TRUE(window) << c.caption;
    auto* tree = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(tree->text(QAccessible::Name), QString::fromUtf8(c.caption));
    expectEveryControlNamed(window);
    for (const char* button : c.setup)
      fillAndClick(window, button);
    const QMap<QString, QString> before = labelTexts(window);
    for (const char* button : c.compute)
      fillAndClick(window, button);
    const auto [results, shown] = expectEveryControlNamed(window);
    EXPECT_EQ(shown > 0, !c.compute.empty()) << c.caption << ": no result was written";
    // A label a click writes is a result, and a result is named.
    const QMap<QString, QString> after = labelTexts(window);
    for (auto it = after.begin(); it != after.end(); ++it) {
      if (it.value() == before.value(it.key())) continue;
      auto* label = window->findChild<QLabel*>(it.key());
      EXPECT_TRUE(label->property("namedBy").isValid())
          << c.caption << "." << it.key().toStdString() << " shows a result but has no name";
    }
  }
}

// Names where a wrong naming label would still pass the walk above.
TEST(Accessibility, ControlsAreNamedByTheCaptionsBesideThem) {
  struct Case {
    int entry;
    const char* control;
    const char* name;
    const char* description;
  } cases[] = {
      {0, "Text1", "代数", ""},
      {0, "Command3", "进 入", "打开“解线性方程组”窗口"},
      {1, "Text1", "输入自然数", "要分解质因数的自然数"},
      {1, "List1", "1.分解质因数", ""},
      {1, "Label5", "2.求阶乘", ""},
      {1, "Label15", "则：mⁿ", ""},
      {1, "Text6", "n", ""},
      {1, "Label27", "sinα", ""},
      {1, "Label37", "cscα", ""},
      {2, "Text1", "输入a", "一元二次方程的a"},
      {2, "Text7", "a", "第二个方程的a2"},
      {2, "Label10", "该方程的解是", ""},
      {2, "Label29", "该方程组的解是", ""},
      {3, "TxtNum", "输入未知数个数", ""},
      {4, "Text3", "q", "等比数列的公比"},
      {4, "Label31", "第n项的值、前n项的和分别是", "等差数列前n项的和"},
      {4, "Label17", "1²+2²+3²+……+n²", ""},
      {4, "Label20", "1/(1×2)+1/(2×3)+1/(3×4)+……+1/(n(n+1))", ""},
      {5, "Text6", "输入 底长", "矩形的长，梯形的下底"},
      {5, "Label8", "或输入三边的长", ""},
      {5, "Label23", "扇形", ""},
      {5, "Label28", "1.圆柱体", ""},
  };
  Program program;
  for (const Case& c : cases) {
    QWidget* window = open(program, c.entry);
    ASSERT_TRUE(window);
    auto* node = QAccessible::queryAccessibleInterface(find<QWidget>(window, c.control));
    ASSERT_TRUE(node) << c.control;
    EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8(c.name))
        << window->objectName().toStdString() << "." << c.control;
    EXPECT_EQ(node->text(QAccessible::Description), QString::fromUtf8(c.description))
        << window->objectName().toStdString() << "." << c.control;
  }
}

// The grid's boxes and results have no caption beside them: they are named as
// the header writes them, row by row.
TEST(Accessibility, GridBoxesAndResultsAreNamedByRowAndColumn) {
  Program program;
  QWidget* window = program.enter(3);
  ASSERT_TRUE(window);
  type(window, "TxtNum", "2");
  click(window, "Command2");
  const char* values[] = {"2", "1", "1", "3", "4", "7"};  // 2x + y = 4, x + 3y = 7
  const char* boxes[] = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text2(0)", "Text2(1)"};
  for (int k = 0; k < 6; ++k)
    type(window, boxes[k], values[k]);
  click(window, "Command1");
  struct Case {
    const char* control;
    const char* name;
  } cases[] = {
      {"Text1(0)", "a(1,1)"}, {"Text1(1)", "a(1,2)"}, {"Text1(2)", "a(2,1)"},
      {"Text1(3)", "a(2,2)"}, {"Text2(0)", "b(1)"},   {"Text2(1)", "b(2)"},
      {"Label5(0)", "x1  1"}, {"Label5(1)", "x2  2"},
  };
  for (const Case& c : cases) {
    auto* node = QAccessible::queryAccessibleInterface(find<QWidget>(window, c.control));
    EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.control;
  }
}

// Each window opens with the focus where the pupil types first, and Tab walks
// the controls in the window's order back to it.
TEST(Accessibility, FirstFocusAndTabOrder) {
  struct Case {
    int entry;
    const char* unknowns;            // the grid laid out for this many, or as it opens
    std::vector<const char*> order;  // from the first focus
  } cases[] = {
      {0,
       nullptr,
       {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Text1"}},
      {1,
       nullptr,
       {"Text1", "Command1", "List1", "Text2", "Command3", "Text3", "Text4", "Command4", "Text5",
        "Text6", "Command5", "Command6", "Text7", "Command7", "Command2"}},
      {2,
       nullptr,
       {"Text1", "Text2", "Text3", "Command1", "Command2", "Text4", "Text5", "Text6", "Text7",
        "Text8", "Text9", "Command3"}},
      {3, nullptr, {"TxtNum", "Command2"}},
      // Laid out for two unknowns, the focus goes to the first box; hidden boxes
      // are passed over.
      {3,
       "2",
       {"Text1(0)", "Text2(0)", "TxtNum", "Text1(1)", "Text1(2)", "Text1(3)", "Text2(1)",
        "Command1", "Command2"}},
      {4,
       nullptr,
       {"Text1", "Command1", "Text2", "Text3", "Text4", "Command3", "Text5", "Text6", "Text7",
        "Command4", "Command2"}},
      {5, nullptr, {"Text1",    "Text2",    "Command1", "Text3",    "Text4",    "Text5",
                    "Command2", "Text6",    "Text7",    "Text8",    "Command3", "Command4",
                    "Text9",    "Text10",   "Command5", "Command6", "Text11",   "Text12",
                    "Command7", "Command8", "Command9", "Command10"}},
  };
  for (const Case& c : cases) {
    Program program;
    QWidget* window = open(program, c.entry);
    ASSERT_TRUE(window);
    if (c.unknowns) {
      type(window, "TxtNum", c.unknowns);
      click(window, "Command2");
    }
    QApplication::setActiveWindow(window);
    for (const char* name : c.order) {
      QWidget* focus = window->focusWidget();
      ASSERT_TRUE(focus) << name;
      EXPECT_EQ(focus->objectName(), QString(name)) << window->objectName().toStdString();
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(window->focusWidget()->objectName(), QString(c.order.front()))
        << window->objectName().toStdString() << ": Tab does not come round";
  }
}

}  // namespace
}  // namespace vorlinde::test
