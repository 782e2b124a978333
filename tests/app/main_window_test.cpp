#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>

#include "support/program.h"

namespace vorlinde::test {
namespace {

TEST(MainWindow, CaptionSizeAndControls) {
  Program program;
  QWidget* main = program.main().window();
  ASSERT_TRUE(main);
  EXPECT_EQ(main->objectName(), QString("ForMain"));
  EXPECT_EQ(main->windowTitle(), QString("Vorlinde"));
  EXPECT_EQ(main->size(), QSize(399, 380));
  EXPECT_FALSE(main->windowIcon().isNull());
  EXPECT_EQ(main->windowIcon().availableSizes(),
            (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
  struct Case {
    const char* name;
    const char* parent;
    QRect twips;
    const char* caption;
  } cases[] = {
      {"Frame1", "ForMain", {240, 1200, 2175, 3735}, "代数"},
      {"Command1", "Frame1", {960, 3120, 975, 375}, "进 入"},
      {"Label1", "Frame2", {240, 240, 1575, 255}, "解一元二次方程 、"},
      {"Label6",
       "Frame4",
       {120, 240, 3015, 615},
       "求三角形、矩形、梯形、圆形、扇形面积，圆柱体、圆锥体、球体体积"},
      {"Command5", "Frame4", {2160, 720, 975, 375}, "进 入"},
      {"Label9", "ForMain", {1080, 5280, 1575, 255}, "2007.11.28 更新"},
      {"Command6", "ForMain", {4680, 5160, 975, 375}, "退 出"},
      {"Picture1", "ForMain", {240, 240, 5535, 855}, ""},
      {"Image1", "ForMain", {360, 5040, 630, 600}, ""},
  };
  for (const Case& c : cases) {
    QWidget* w = find<QWidget>(main, c.name);
    ASSERT_TRUE(w) << c.name;
    EXPECT_EQ(w->parentWidget()->objectName(), QString(c.parent)) << c.name;
    EXPECT_EQ(w->property("twips").toRect(), c.twips) << c.name;
    QString text = qobject_cast<QLabel*>(w)        ? qobject_cast<QLabel*>(w)->text()
                   : qobject_cast<QPushButton*>(w) ? qobject_cast<QPushButton*>(w)->text()
                   : qobject_cast<QGroupBox*>(w)   ? qobject_cast<QGroupBox*>(w)->title()
                                                   : QString();
    EXPECT_EQ(text, QString::fromUtf8(c.caption)) << c.name;
  }
  auto* topics = find<QPlainTextEdit>(main, "Text1");
  QStringList lines = topics->toPlainText().split('\n');
  EXPECT_EQ(lines.size(), 14);
  EXPECT_EQ(lines.value(3), QString("  与最小公倍数"));
  EXPECT_EQ(lines.value(13), QString("13.求余割函数"));
  EXPECT_TRUE(topics->isReadOnly());
  EXPECT_FALSE(find<QLabel>(main, "Picture1")->pixmap().isNull());
  EXPECT_FALSE(find<QLabel>(main, "Image1")->pixmap().isNull());
}

TEST(MainWindow, EachEnterOpensOneWindowOnce) {
  Program program;
  struct Case {
    int button;
    const char* name;
    const char* caption;
    QSize client;
  } cases[] = {
      {1, "Form1", "代数", {623, 305}},
      {2, "Form2", "解方程", {311, 425}},
      {3, "Form3", "解线性方程组", {0, 0}},  // sizes itself to its grid
      {4, "Form4", "求数列前n项的和", {382, 429}},
      {5, "Form5", "几何求积", {498, 483}},
  };
  for (const Case& c : cases) {
    QWidget* first = program.enter(c.button);
    ASSERT_TRUE(first) << c.name;
    EXPECT_EQ(first->windowTitle(), QString::fromUtf8(c.caption));
    if (!c.client.isEmpty()) {
      EXPECT_EQ(first->size(), c.client) << c.name;
    }
    QWidget* second = program.enter(c.button);
    EXPECT_EQ(first, second) << c.name;
  }
  int tools = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->objectName().startsWith("Form")) ++tools;
  EXPECT_EQ(tools, 5);
}

TEST(MainWindow, ExitEndsTheProgramWithToolWindowsOpen) {
  Program program;
  program.enter(1);
  program.enter(5);
  EXPECT_TRUE(click(program.main().window(), "Command6").empty());
  EXPECT_TRUE(program.forms().ended());
  EXPECT_FALSE(program.forms().anyLoaded());
}

TEST(MainWindow, ClosingTheMainWindowLeavesToolWindowsRunning) {
  Program program;
  QWidget* form1 = program.enter(1);
  program.main().window()->close();
  settle();
  EXPECT_FALSE(program.forms().ended());
  EXPECT_TRUE(form1->isVisible());
  form1->close();
  settle();
  EXPECT_TRUE(program.forms().ended());
}

TEST(MainWindow, ToolWindowsOpenOnTheScreen) {
  Program program;
  for (int button = 1; button <= 5; ++button) {
    QWidget* w = program.enter(button);
    ASSERT_TRUE(w);
    QRect screen = w->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(w->pos())) << button;
  }
}

}  // namespace
}  // namespace vorlinde::test
