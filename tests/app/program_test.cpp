#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <set>

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
    if (entry == 3) {  // the grid's boxes, captionless, are named as its header writes them
      type(window, "TxtNum", "2");
      click(window, "Command2");
      for (auto [control, name] :
           {std::pair{"Text1(1)", "a(1,2)"}, {"Text2(1)", "b(2)"}, {"Label5(1)", "x2"}})
        EXPECT_EQ(find<QWidget>(window, control)->accessibleName().section(' ', 0, 0), name);
    }
    expectTabRound(tool);
    expectControlsInside(tool);
    for (const PanelEntry& panel : tool.panels()) {
      for (const std::string& box : panel.boxes)
        if (!tool.control(box)->isHidden()) type(window, QString::fromStdString(box), "3");
      click(window, QString::fromStdString(panel.button));
    }
    expectEveryControlNamed(window);
  }
}

// Every computing panel, clicked in its real window, shows its own working: the
// sample, the heading and the answer line are written here, apart from the panel
// table, so that two panels' workings swapped or a panel lost fails. The grid is
// laid out for two unknowns first; a refused click leaves the working as it was.
TEST(Program, EachPanelShowsItsOwnWorking) {
  Program program;
  struct Sample {
    PanelId panel;
    const char* texts;  // apart by blanks
    const char* heading;
    const char* answer;
  };
  const Sample samples[] = {
      {PanelId::Factorization, "360", "代数 · 分解质因数", "答：360 = 2³×3²×5"},
      {PanelId::Factorial, "10", "代数 · 求阶乘", "答：10! = 3628800"},
      {PanelId::DivisorAndMultiple, "12 18", "代数 · 求最大公约数与最小公倍数",
       "答：最大公约数 = 6，最小公倍数 = 36"},
      {PanelId::Power, "2 10", "代数 · 乘方", "答：mⁿ = 1024"},
      {PanelId::RootAndLogarithm, "72", "代数 · 开平方与对数",
       "答：√m = 6√2 ≈ 8.48528137423857，ln m ≈ 4.27666611901606，lg m ≈ 1.85733249643127"},
      {PanelId::Trigonometry, "30", "代数 · 三角函数",
       "答：α = π/6 ≈ 0.523598775598299，sin α = 1/2 = 0.5，cos α = √3/2 ≈ 0.866025403784439，"
       "tan α = √3/3 ≈ 0.577350269189626，cot α = √3 ≈ 1.73205080756888，"
       "sec α = 2√3/3 ≈ 1.15470053837925，csc α = 2"},
      {PanelId::Quadratic, "1 -3 2", "解方程 · 一元二次方程", "答：x₁ = 2，x₂ = 1"},
      {PanelId::TwoUnknowns, "3 4 11 5 -6 -7", "解方程 · 二元一次方程组", "答：x = 1，y = 2"},
      {PanelId::LinearSystem, "1 1 3 1 -1 1", "解线性方程组 · 2 元线性方程组",
       "答：x₁ = 2，x₂ = 1"},
      {PanelId::SpecialSeries, "10", "求数列前n项的和 · 特殊数列求和",
       "答：S₁ = 55，S₂ = 100，S₃ = 110，S₄ = 385，S₅ = 3025，S₆ = 440，"
       "S₇ = 10/11 ≈ 0.909090909090909"},
      {PanelId::GeometricSequence, "3 2 5", "求数列前n项的和 · 等比数列", "答：aₙ = 48，Sₙ = 93"},
      {PanelId::ArithmeticSequence, "2 3 10", "求数列前n项的和 · 等差数列",
       "答：aₙ = 29，Sₙ = 155"},
      {PanelId::Triangle, "6 4", "几何求积 · 三角形（底和高）", "答：S = 12"},
      {PanelId::TriangleBySides, "3 4 5", "几何求积 · 三角形（三边）", "答：S = 6"},
      {PanelId::Rectangle, "5 3", "几何求积 · 长方形", "答：S = 15"},
      {PanelId::Trapezoid, "5 4 3", "几何求积 · 梯形", "答：S = 16"},
      {PanelId::Circle, "3", "几何求积 · 圆", "答：S = 9π ≈ 28.2743338823081"},
      {PanelId::Circle, "5cm", "几何求积 · 圆", "答：S = 9π ≈ 28.2743338823081"},  // refused
      {PanelId::Sector, "6 60", "几何求积 · 扇形", "答：S = 6π ≈ 18.8495559215388"},
      {PanelId::Cylinder, "2 5", "几何求积 · 圆柱", "答：V = 20π ≈ 62.8318530717959"},
      {PanelId::Cone, "3 4", "几何求积 · 圆锥", "答：V = 12π ≈ 37.6991118430775"},
      {PanelId::Sphere, "3", "几何求积 · 球", "答：V = 36π ≈ 113.097335529233"},
  };
  std::set<PanelId> sampled;
  for (const Sample& s : samples) {
    const PanelEntry& p = panel(s.panel);
    sampled.insert(p.id);
    const int entry = int(p.window) + 1;
    QWidget* window = program.enter(entry);
    if (p.id == PanelId::LinearSystem) {
      type(window, "TxtNum", "2");
      click(window, "Command2");
    }
    // The grid's two rows are read row by row, each row's right-hand side last.
    const auto box = [&](std::size_t k) {
      if (p.id != PanelId::LinearSystem) return p.boxes[k];
      const std::size_t row = k / 3, column = k % 3;
      return column < 2 ? p.boxes[row * 2 + column] : p.boxes[100 + row];
    };
    const QStringList texts = QString(s.texts).split(' ');
    for (std::size_t k = 0; k < std::size_t(texts.size()); ++k)
      type(window, QString::fromStdString(box(k)), texts[int(k)]);
    click(window, QString::fromStdString(p.button));
    click(window, "WorkingButton");
    QCoreApplication::processEvents();
    WorkingWindow* working = program.working().workings().window();
    ASSERT_TRUE(working && working->isVisible());
    const QString text = find<QTextEdit>(working, "WorkingText")->toPlainText();
    EXPECT_EQ(text.section('\n', 0, 0), QString::fromUtf8(s.heading)) << p.key;
    EXPECT_EQ(text.section('\n', -1), QString::fromUtf8(s.answer)) << p.key;
  }
  for (const PanelEntry& p : panels())
    EXPECT_TRUE(!p.calculation || sampled.count(p.id)) << p.key << " has no sample";
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
