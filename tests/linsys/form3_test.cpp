#include <gtest/gtest.h>

#include "linsys/form3.h"
#include "linsys/module1.h"
#include "support/form_driver.h"

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

// Types a system row by row: n coefficients, then the right-hand side.
void typeSystem(QWidget* window, int n, const QStringList& rows) {
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j)
      type(window, element("Text1", i * n + j), rows.value(i * (n + 1) + j));
    type(window, element("Text2", i), rows.value(i * (n + 1) + n));
  }
}

QStringList results(QWidget* window, int n) {
  QStringList shownResults;
  for (int j = 0; j < n; ++j)
    if (shown(window, element("Label5", j))) shownResults << caption(window, element("Label5", j));
  return shownResults;
}

TEST(GridWindow, OpensWithTheCountAlone) {
  Opened<Form3> w;
  QWidget* window = w.window();
  EXPECT_EQ(window->windowTitle(), QString("解线性方程组"));
  EXPECT_EQ(window->findChildren<QPushButton*>().size(), 2);  // no exit button
  for (const char* name : {"Label2", "TxtNum", "Command2"})
    EXPECT_TRUE(shown(window, name)) << name;
  for (const char* name :
       {"Label1", "Label3", "Label4", "Command1", "Text1(0)", "Text2(9)", "Label5(0)", "Text1(99)"})
    EXPECT_FALSE(shown(window, name)) << name;
  EXPECT_EQ(w.form().outerHeight(), 2000);
  EXPECT_EQ(w.form().outerWidth(), 4920 + kFrameWidth);
  EXPECT_EQ(twips(window, "Text1(0)"), QRect(960, 960, 735, 375));
  EXPECT_EQ(twips(window, "Text1(57)"), QRect(3240, 960, 735, 375));
  EXPECT_EQ(window->focusWidget(), find<QWidget>(window, "TxtNum"));
}

TEST(GridWindow, LayoutFollowsTheCount) {
  for (int n : {1, 2, 10}) {
    Opened<Form3> w;
    QWidget* window = w.window();
    ASSERT_TRUE(layOut(window, QString::number(n)).isEmpty());
    EXPECT_EQ(module1().UnknownCount, n);
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j)
        EXPECT_EQ(twips(window, element("Text1", (i - 1) * n + j - 1)),
                  QRect(600 + 785 * (j - 1), 585 + 375 * i, 735, 375))
            << n << ": row " << i << " column " << j;
      EXPECT_EQ(twips(window, element("Text2", i - 1)),
                QRect(600 + 785 * n, 585 + 375 * i, 735, 375));
      EXPECT_TRUE(shown(window, element("Text2", i - 1)));
    }
    EXPECT_EQ(visibleBoxes(window), n * n);
    for (int k = n; k < 10; ++k)
      EXPECT_FALSE(shown(window, element("Text2", k)));
    for (int j = 1; j <= n; ++j) {
      EXPECT_EQ(twips(window, element("Label5", j - 1)).topLeft(),
                QPoint(600 + 785 * (j - 1), 1040 + 375 * n));
      EXPECT_FALSE(shown(window, element("Label5", j - 1)));
    }
    EXPECT_EQ(twips(window, "Label4").topLeft(), QPoint(50, 1050 + 375 * n));
    EXPECT_EQ(twips(window, "Label1").topLeft(), QPoint(100, 640));
    EXPECT_EQ(twips(window, "Label3"), QRect(300, 960, 100, 125 + 375 * n));
    EXPECT_EQ(twips(window, "Command1"), QRect(785 * n - 400, 1335 + 375 * n, 1095, 375));
    for (const char* name : {"Label1", "Label3", "Command1"})
      EXPECT_TRUE(shown(window, name)) << name;
    EXPECT_FALSE(shown(window, "Label4"));
    // Never narrower than it opened, so "确定" stays in reach.
    EXPECT_EQ(w.form().outerWidth(), std::max(2335 + 785 * n, 5040)) << n;
    EXPECT_EQ(w.form().outerHeight(), 2335 + 375 * n) << n;
    EXPECT_EQ(window->focusWidget(), find<QWidget>(window, "Text1(0)"));
  }
}

TEST(GridWindow, HeaderAndRowNumbers) {
  struct Case {
    int n;
    const char* header;
    const char* rows;
  } cases[] = {
      {2, "  a(x,y)  1        2       b", "1    2    "},
      {10,
       "  a(x,y)  1        2        3        4        5        6        7        8        9      "
       "  10       b",
       "1    2    3    4    5    6    7    8    9    0    "},
  };
  Opened<Form3> w;
  for (const Case& c : cases) {
    layOut(w.window(), QString::number(c.n));
    EXPECT_EQ(caption(w.window(), "Label1"), QString(c.header)) << c.n;
    EXPECT_EQ(caption(w.window(), "Label3"), QString(c.rows)) << c.n;
  }
}

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
      {"3.5", "", 4, true, 4},
      {"2.5", "", 2, true, 2},
      {"1,000", "", 1, true, 1},
      {" 7 ", "", 7, true, 7},
      {"11", tooLarge, 0, true, 11},
      {"0", tooSmall, 0, true, 0},
      {"-3", tooSmall, 0, true, -3},
      {"0.4", tooSmall, 0, true, 0},
      {"abc", number, 3, false, 3},
      {"", number, 3, false, 3},
      {"40000", errorPrompt(6), 3, false, 3},
  };
  for (const Case& c : cases) {
    Opened<Form3> w;
    QWidget* window = w.window();
    layOut(window, "3");
    type(window, "Text1(0)", "7");
    const QStringList prompts = layOut(window, c.count);
    EXPECT_EQ(prompts, c.prompt.isEmpty() ? QStringList() : QStringList{c.prompt}) << c.count;
    EXPECT_EQ(visibleBoxes(window), c.rows * c.rows) << c.count;
    EXPECT_EQ(shown(window, "Command1"), c.rows > 0) << c.count;
    EXPECT_EQ(find<QLineEdit>(window, "Text1(0)")->text().isEmpty(), c.reset) << c.count;
    EXPECT_EQ(module1().UnknownCount, c.unknownCount) << c.count;
    if (c.rows == 0) {
      EXPECT_EQ(w.form().outerHeight(), 2000) << c.count;
    }
  }
}

TEST(GridWindow, Solving) {
  struct Case {
    int n;
    QStringList grid;  // row by row: coefficients, then the right-hand side
    QStringList results;
    QStringList prompts;
  } cases[] = {
      {2, {"2", "1", "3", "1", "3", "5"}, {" .8", " 1.4"}, {}},
      {2, {"1", "5", "11", "2", "3", "8"}, {" 1", " 2"}, {}},
      {1, {"3", "1"}, {" .3333"}, {}},
      {1, {"3", "-1"}, {"-.3333"}, {}},
      {1, {"1", "123456.7"}, {" 123456"}, {}},
      {1, {"4", "1E20"}, {" 2.5E+19"}, {}},
      // Empty boxes count as 0 and text as its numeric prefix.
      {2, {"", "1", "2", "1x", "", "3"}, {" 3", " 2"}, {}},
      {2, {"abc", "", "1", "", "", "1"}, {}, {"Gauss fail at 1."}},
      {2, {"1", "2", "3", "2", "4", "6"}, {}, {"Gauss fail at 1."}},
      {1, {"1E-17", "1"}, {}, {"Gauss fail at 1."}},
      {2, {"1E308", "1E308", "1", "-1E308", "1E308", "1"}, {}, {errorPrompt(6)}},
      {1, {"1E400", "1"}, {}, {errorPrompt(6)}},
  };
  Opened<Form3> w;
  QWidget* window = w.window();
  for (const Case& c : cases) {
    layOut(window, QString::number(c.n));
    // A solved system first, so that the result row stands when the case is solved.
    for (int i = 0; i < c.n; ++i) {
      for (int j = 0; j < c.n; ++j)
        type(window, element("Text1", i * c.n + j), i == j ? "1" : "0");
      type(window, element("Text2", i), "9");
    }
    ASSERT_TRUE(click(window, "Command1").empty());
    ASSERT_TRUE(shown(window, "Label4"));

    typeSystem(window, c.n, c.grid);
    const QString what = c.grid.join(' ');
    EXPECT_EQ(promptsOf(click(window, "Command1")), c.prompts) << what.toStdString();
    EXPECT_EQ(results(window, c.n), c.results) << what.toStdString();
    EXPECT_EQ(shown(window, "Label4"), !c.results.isEmpty()) << what.toStdString();
  }
}

TEST(GridWindow, ResultsStayInTheirPlacesUntilTheNextCount) {
  Opened<Form3> w;
  QWidget* window = w.window();
  layOut(window, "2");
  typeSystem(window, 2, {"2", "1", "3", "1", "3", "5"});
  click(window, "Command1");
  EXPECT_EQ(twips(window, "Label5(1)").topLeft(), QPoint(1385, 1790));
  // Pressed again, it reads the boxes afresh.
  type(window, "Text2(0)", "6");
  type(window, "Text2(1)", "10");
  click(window, "Command1");
  EXPECT_EQ(results(window, 2), (QStringList{" 1.6", " 2.8"}));

  layOut(window, "2");
  EXPECT_TRUE(results(window, 2).isEmpty());
  EXPECT_FALSE(shown(window, "Label4"));
  EXPECT_TRUE(find<QLineEdit>(window, "Text2(0)")->text().isEmpty());
}

TEST(GridWindow, SharedSystemOutlivesTheWindow) {
  Opened<Form3> w;
  layOut(w.window(), "10");
  w.form().unload();
  settle();
  w.form().show();
  QWidget* window = w.window();
  ASSERT_TRUE(window);
  EXPECT_EQ(module1().UnknownCount, 10);
  EXPECT_EQ(visibleBoxes(window), 0);
  EXPECT_EQ(w.form().outerWidth(), 5040);
  EXPECT_EQ(caption(window, "Label1"), QString("Label1"));
  EXPECT_TRUE(find<QLineEdit>(window, "TxtNum")->text().isEmpty());
}

}  // namespace
}  // namespace vorlinde::test
