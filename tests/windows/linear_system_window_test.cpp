#include <gtest/gtest.h>

#include "core/linear_system.h"
#include "support/form_driver.h"
#include "windows/linear_system_window.h"

namespace vorlinde::test {
namespace {

QString element(const char* name, int index) {
  return QString("%1(%2)").arg(name).arg(index);
}

QRect twips(QWidget* window, const QString& control) {
  auto* w = find<QWidget>(window, control);
  return w ? w->property("twips").toRect() : QRect();
}

bool shown(QWidget* window, const QString& control) {
  auto* w = find<QWidget>(window, control);
  return w && !w->isHidden();
}

QStringList layOut(QWidget* window, const QString& count) {
  type(window, "TxtNum", count);
  return promptsOf(click(window, "Command2"));
}

int visibleBoxes(QWidget* window) {
  int visible = 0;
  for (int k = 0; k < 100; ++k)
    visible += shown(window, element("Text1", k));
  return visible;
}

// The captions of the result labels standing, and "结果：" with them.
QStringList results(QWidget* window) {
  QStringList standing;
  for (int j = 0; j < 10; ++j)
    if (shown(window, element("Label5", j))) standing << caption(window, element("Label5", j));
  if (shown(window, "Label4")) standing << "结果：";
  return standing;
}

// Opened, and opened again after a grid was laid out: the count alone, as it
// was at first, while the shared system keeps its count.
TEST(GridWindow, OpensWithTheCountAlone) {
  Opened<LinearSystemWindow> w;
  for (int opening : {1, 2}) {
    QWidget* window = w.window();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QString("解线性方程组"));
    EXPECT_EQ(window->findChildren<QPushButton*>().size(), 2);  // no exit button
    for (const char* name : {"Label2", "TxtNum", "Command2"})
      EXPECT_TRUE(shown(window, name)) << name;
    for (const char* name : {"Label1", "Label3", "Label4", "Command1", "Text2(9)", "Label5(0)"})
      EXPECT_FALSE(shown(window, name)) << name;
    EXPECT_EQ(visibleBoxes(window), 0);
    EXPECT_EQ(w.form().outerHeight(), 2000);
    EXPECT_EQ(w.form().outerWidth(), 4920 + kFrameWidth);
    EXPECT_EQ(twips(window, "Text1(0)"), QRect(960, 960, 735, 375));
    EXPECT_EQ(twips(window, "Text1(57)"), QRect(3240, 960, 735, 375));
    EXPECT_EQ(caption(window, "Label1"), QString("Label1"));
    EXPECT_TRUE(find<QLineEdit>(window, "TxtNum")->text().isEmpty());
    EXPECT_EQ(window->focusWidget(), find<QWidget>(window, "TxtNum")) << opening;
    layOut(window, "10");
    w.form().unload();
    settle();
    w.form().show();
  }
  EXPECT_EQ(sharedSystem().unknownCount, 10);
}

// One window for all counts, the smaller grid last: every "确定" starts afresh.
TEST(GridWindow, LayoutFollowsTheCount) {
  struct Case {
    int n;
    const char *header, *rows;
  } cases[] = {
      {1, "  a(x,y)  1       b", "1    "},
      {10,
       "  a(x,y)  1        2        3        4        5        6        7        8        9      "
       "  10       b",
       "1    2    3    4    5    6    7    8    9    0    "},
      {2, "  a(x,y)  1        2       b", "1    2    "},
  };
  Opened<LinearSystemWindow> w;
  QWidget* window = w.window();
  for (const auto& [n, header, rows] : cases) {
    ASSERT_TRUE(layOut(window, QString::number(n)).isEmpty());
    EXPECT_EQ(caption(window, "Label1"), QString(header)) << n;
    EXPECT_EQ(caption(window, "Label3"), QString(rows)) << n;
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j)
        EXPECT_EQ(twips(window, element("Text1", (i - 1) * n + j - 1)),
                  QRect(600 + 785 * (j - 1), 585 + 375 * i, 735, 375))
            << n << ": row " << i << " column " << j;
      EXPECT_EQ(twips(window, element("Text2", i - 1)),
                QRect(600 + 785 * n, 585 + 375 * i, 735, 375));
      EXPECT_EQ(twips(window, element("Label5", i - 1)).topLeft(),
                QPoint(600 + 785 * (i - 1), 1040 + 375 * n));
    }
    EXPECT_EQ(visibleBoxes(window), n * n);
    for (int k = 0; k < 10; ++k)
      EXPECT_EQ(shown(window, element("Text2", k)), k < n) << n << ": Text2 " << k;
    EXPECT_TRUE(results(window).isEmpty());
    EXPECT_EQ(twips(window, "Label4").topLeft(), QPoint(50, 1050 + 375 * n));
    EXPECT_EQ(twips(window, "Label1").topLeft(), QPoint(100, 640));
    EXPECT_EQ(twips(window, "Label3"), QRect(300, 960, 100, 125 + 375 * n));
    EXPECT_EQ(twips(window, "Command1"), QRect(785 * n - 400, 1335 + 375 * n, 1095, 375));
    for (const char* name : {"Label1", "Label3", "Command1"})
      EXPECT_TRUE(shown(window, name)) << name;
    // Never narrower than it opened, so "确定" stays in reach.
    EXPECT_EQ(w.form().outerWidth(), std::max(2335 + 785 * n, 5040)) << n;
    EXPECT_EQ(w.form().outerHeight(), 2335 + 375 * n) << n;
    EXPECT_EQ(window->focusWidget(), find<QWidget>(window, "Text1(0)"));
  }
}

// Each case starts from a 3 x 3 grid with a coefficient typed in.
TEST(GridWindow, Counts) {
  const QString number = "请输入数字！", tooLarge = "Number of input is too larger.",
                tooSmall = "Number of input is too small.";
  struct Case {
    const char* count;
    QString prompt;  // empty: accepted
    int rows;        // grid rows standing afterwards
    bool reset;      // the earlier grid was emptied
    int unknownCount;
  } cases[] = {
      {"3.5", "", 4, true, 4},       {"2.5", "", 2, true, 2},
      {"1,000", "", 1, true, 1},     {"11", tooLarge, 0, true, 11},
      {"0", tooSmall, 0, true, 0},   {"-3", tooSmall, 0, true, -3},
      {"0.4", tooSmall, 0, true, 0}, {"abc", number, 3, false, 3},
      {"", number, 3, false, 3},     {"40000", errorPrompt(6), 3, false, 3},
  };
  Opened<LinearSystemWindow> w;
  QWidget* window = w.window();
  for (const Case& c : cases) {
    layOut(window, "3");
    type(window, "Text1(0)", "7");
    const QStringList prompts = layOut(window, c.count);
    EXPECT_EQ(prompts, c.prompt.isEmpty() ? QStringList() : QStringList{c.prompt}) << c.count;
    EXPECT_EQ(visibleBoxes(window), c.rows * c.rows) << c.count;
    EXPECT_EQ(shown(window, "Command1"), c.rows > 0) << c.count;
    EXPECT_EQ(find<QLineEdit>(window, "Text1(0)")->text().isEmpty(), c.reset) << c.count;
    EXPECT_EQ(sharedSystem().unknownCount, c.unknownCount) << c.count;
    if (c.rows == 0) {
      EXPECT_EQ(w.form().outerHeight(), 2000) << c.count;
    }
  }
}

// Each case is typed over the one before in the same grid, so a failure has an
// earlier answer standing to take away.
TEST(GridWindow, Solving) {
  const QString result = "结果：", fail = "Gauss fail at 1.";
  struct Case {
    int n;
    QStringList grid;  // row by row: coefficients, then the right-hand side
    QStringList results, prompts;
  } cases[] = {
      {2, {"1", "5", "11", "2", "3", "8"}, {" 1", " 2", result}, {}},  // read row by row
      // Empty boxes count as 0 and text as its numeric prefix.
      {2, {"", "1", "2", "1x", "", "3"}, {" 3", " 2", result}, {}},
      {2, {"abc", "", "1", "", "", "1"}, {}, {fail}},
      {1, {"3", "1"}, {" .3333", result}, {}},
      {1, {"1E400", "1"}, {}, {errorPrompt(6)}},
      {1, {"3", "-1"}, {"-.3333", result}, {}},
  };
  Opened<LinearSystemWindow> w;
  QWidget* window = w.window();
  layOut(window, "2");
  for (const Case& c : cases) {
    if (c.n != sharedSystem().unknownCount) layOut(window, QString::number(c.n));
    for (int i = 0; i < c.n; ++i) {
      for (int j = 0; j < c.n; ++j)
        type(window, element("Text1", i * c.n + j), c.grid[i * (c.n + 1) + j]);
      type(window, element("Text2", i), c.grid[i * (c.n + 1) + c.n]);
    }
    const std::string what = c.grid.join(' ').toStdString();
    EXPECT_EQ(promptsOf(click(window, "Command1")), c.prompts) << what;
    EXPECT_EQ(results(window), c.results) << what;
  }
  // A new "确定" takes the answer away and empties the boxes.
  layOut(window, "1");
  EXPECT_TRUE(results(window).isEmpty());
  EXPECT_TRUE(find<QLineEdit>(window, "Text2(0)")->text().isEmpty());
}

}  // namespace
}  // namespace vorlinde::test
