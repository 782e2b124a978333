#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <functional>

#include "support/program.h"
#include "working/working_window.h"
#include "working/workings.h"

namespace vorlinde::test {
namespace {

TEST(Program, EachEnterOpensOneWindowAndTheExitEndsAll) {
  Program program;
  for (int entry = 1; entry <= 5; ++entry) {
    QWidget* first = program.enter(entry);
    ASSERT_TRUE(first);
    EXPECT_EQ(program.enter(entry), first);
    settle();
    EXPECT_FALSE(first->windowIcon().isNull());
  }
  // The pictures, packed into the program when it is built.
  for (const char* name : {"Picture1", "Image1"})
    EXPECT_FALSE(program.main().window()->findChild<QLabel*>(name)->pixmap().isNull()) << name;
  // The main window closed by its close box leaves the tool windows running.
  program.main().window()->close();
  settle();
  EXPECT_FALSE(program.forms().ended());
  program.main().show();
  EXPECT_TRUE(click(program.main().window(), "Command6").empty());
  EXPECT_TRUE(program.forms().ended());
  EXPECT_FALSE(program.forms().anyLoaded());
}

void walk(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& visit) {
  if (!node) return;
  visit(node);
  for (int i = 0; i < node->childCount(); ++i)
    walk(node->child(i), visit);
}

// What a screen reader finds: every box and button named, and every result
// label named by its caption and then its result.
void expectEveryControlNamed(QWidget* window) {
  walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* node) {
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (!widget || node->state().invisible) return;
    const QString name = node->text(QAccessible::Name);
    const std::string where = (window->objectName() + "." + widget->objectName()).toStdString();
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPushButton*>(widget)) {
      EXPECT_FALSE(widget->accessibleName().isEmpty() && name.isEmpty()) << where;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && label->property("namedBy").isValid() && !label->text().isEmpty()) {
      EXPECT_TRUE(name.endsWith(" " + label->text())) << where << ": " << name.toStdString();
    }
  });
}

// Tab walks the visible controls in the order the window's table gives, from the
// first focus round to it again.
void expectTabRound(Form& form) {
  QWidget* window = form.window();
  QStringList round;
  for (const std::string& name : form.tabOrder())
    if (QWidget* w = form.control(name); w && w->isVisible()) round << w->objectName();
  const QWidget* first = form.control(form.description().firstFocus);
  if (first && first->isVisible()) {
    while (round.front() != first->objectName())
      round.push_back(round.takeFirst());
  }
  QApplication::setActiveWindow(window);
  form.control(round.front().toStdString())->setFocus();
  for (const QString& name : round + QStringList{round.front()}) {
    ASSERT_TRUE(window->focusWidget()) << name.toStdString();
    EXPECT_EQ(window->focusWidget()->objectName(), name) << window->objectName().toStdString();
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
  }
}

// Every control that shows has a size and lies inside whatever holds it, so no
// frame or box of width 0 hides a panel.
void expectControlsInside(Form& form) {
  for (const ControlDescription& c : form.description().controls) {
    QWidget* w = form.control(c.objectName());
    if (!w || !w->isVisible()) continue;
    const QRect inside = w->parentWidget()->rect();
    EXPECT_FALSE(w->geometry().isEmpty()) << c.objectName();
    EXPECT_TRUE(inside.contains(w->geometry())) << form.name() << "." << c.objectName();
  }
}

TEST(Program, EveryWindowIsNamedWalkedByTabAndLaidOutInside) {
  Program program;
  expectTabRound(program.main());
  expectControlsInside(program.main());
  expectEveryControlNamed(program.main().window());
  for (int entry = 1; entry <= 5; ++entry) {
    QWidget* window = program.enter(entry);
    ToolWindow& tool = program.tool(entry);
    if (entry == 3) {
      type(window, "TxtNum", "2");
      click(window, "Command2");
    }
    expectTabRound(tool);
    expectControlsInside(tool);
    for (const Panel& panel : tool.panels()) {
      for (const std::string& box : panel.boxes)
        if (!tool.control(box)->isHidden()) type(window, QString::fromStdString(box), "3");
      click(window, QString::fromStdString(panel.button));
    }
    expectEveryControlNamed(window);
  }
}

// The grid's boxes have no caption beside them: they are named as its header
// writes them.
TEST(Program, GridBoxesAreNamedByRowAndColumn) {
  Program program;
  QWidget* window = program.enter(3);
  type(window, "TxtNum", "2");
  click(window, "Command2");
  const char* names[][2] = {{"Text1(0)", "a(1,1)"},
                            {"Text1(1)", "a(1,2)"},
                            {"Text1(2)", "a(2,1)"},
                            {"Text2(1)", "b(2)"},
                            {"Label5(1)", "x2"}};
  for (const auto& [control, name] : names)
    EXPECT_EQ(find<QWidget>(window, control)->accessibleName().section(' ', 0, 0), QString(name))
        << control;
}

// Exercises typed into the real windows; the working window, opened from the
// window's own button, shows each one's answer line, and a refused click leaves
// it as it was.
TEST(Program, TheWorkingFollowsTheWindows) {
  Program program;
  struct Case {
    int entry;
    const char* count;  // the grid's unknowns, or nothing
    std::vector<std::pair<const char*, const char*>> typed;
    const char* button;
    const char* answer;
  } cases[] = {
      {2,
       nullptr,
       {{"Text1", "1"}, {"Text2", "-3"}, {"Text3", "1"}},
       "Command1",
       "答：x₁ = (3+√5)/2 ≈ 2.61803398874989，x₂ = (3-√5)/2 ≈ 0.381966011250105"},
      {3,
       "3",
       {{"Text1(0)", "1"},
        {"Text1(1)", "1"},
        {"Text1(2)", "1"},
        {"Text2(0)", "0"},
        {"Text1(3)", "2"},
        {"Text1(4)", "-1"},
        {"Text1(5)", "3"},
        {"Text2(1)", "-3"},
        {"Text1(6)", "1"},
        {"Text1(7)", "2"},
        {"Text1(8)", "-1"},
        {"Text2(2)", "1"}},
       "Command1",
       "答：x₁ = -1，x₂ = 1，x₃ = 0"},
      {5, nullptr, {{"Text9", "3"}}, "Command5", "答：S = 9π ≈ 28.2743338823081"},
      {5, nullptr, {{"Text9", "5cm"}}, "Command5", "答：S = 9π ≈ 28.2743338823081"},  // refused
  };
  for (const Case& c : cases) {
    QWidget* window = program.enter(c.entry);
    if (c.count) {
      type(window, "TxtNum", c.count);
      click(window, "Command2");
    }
    for (const auto& [box, text] : c.typed)
      type(window, box, text);
    click(window, c.button);
    click(window, "WorkingButton");
    QCoreApplication::processEvents();
    WorkingWindow* working = program.working().workings().window();
    ASSERT_TRUE(working && working->isVisible());
    const QString text = find<QTextEdit>(working, "WorkingText")->toPlainText();
    EXPECT_EQ(text.section('\n', -1), QString::fromUtf8(c.answer)) << c.answer;
  }
}

// The working opens beside the window that asked, where the screen has room;
// minimized, it comes back, and it opens again where the pupil left it.
TEST(Placement, TheWorkingOpensBesideItsWindowAndComesBackWhereLeft) {
  Program program;
  QWidget* tool = program.enter(2);
  const QRect area = tool->screen()->availableGeometry();
  tool->move(area.topLeft());
  click(tool, "WorkingButton");
  WorkingWindow* working = program.working().workings().window();
  const QRect frame = working->frameGeometry(), beside = tool->frameGeometry();
  EXPECT_TRUE(area.contains(frame));
  if (area.width() > beside.width() + 8 + frame.width()) {
    EXPECT_EQ(frame.topLeft(), beside.topRight() + QPoint(9, 0));
  }
  working->move(frame.topLeft() + QPoint(5, 7));
  working->showMinimized();
  settle();
  QApplication::setActiveWindow(tool);
  QTest::keyClick(tool->windowHandle(), Qt::Key_J, Qt::ControlModifier);
  EXPECT_TRUE(!working->isMinimized() && QApplication::activeWindow() == working);
  working->close();
  find<QLabel>(tool, "Label10")->actions().value(0)->trigger();  // a result's menu entry
  EXPECT_EQ(working->frameGeometry().topLeft(), frame.topLeft() + QPoint(5, 7));
}

}  // namespace
}  // namespace vorlinde::test
