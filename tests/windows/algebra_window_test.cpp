#include <gtest/gtest.h>

#include "support/program.h"

namespace vorlinde::test {
namespace {

const char* const kBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};

QStringList entries(QWidget* form1) {
  QStringList list;
  auto* box = find<QListWidget>(form1, "List1");
  for (int i = 0; box && i < box->count(); ++i)
    list << box->item(i)->text();
  return list;
}

// Opened from the main window. Too large a number first: the error box, and the
// window goes on with every entry below the one before.
TEST(AlgebraWindow, FactorizesAfterTheErrorBox) {
  Program program;
  QWidget* form1 = program.enter(1);
  ASSERT_TRUE(form1);
  type(form1, "Text1", "40000");
  auto shown = click(form1, "Command1");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].prompt, QString("运行时错误 '6':\n\n溢出"));
  EXPECT_EQ(shown[0].title, QString("Vorlinde"));
  EXPECT_FALSE(shown[0].hasIcon);
  EXPECT_EQ(shown[0].buttonCount, 1);
  // The caption changed before the number was found too large.
  EXPECT_EQ(find<QPushButton>(form1, "Command1")->text(), QString("重分解"));
  EXPECT_FALSE(program.forms().ended());
  EXPECT_TRUE(form1->isVisible());
  struct Case {
    const char* text;
    const char* entry;
  } cases[] = {
      {"12", " 12 =  2 ×  2 ×  3"},
      {"2", " 2 =  2 (素数)"},
      {"13", " 13 =  (素数)"},
      {"360", " 360 =  2 ×  2 ×  2 ×  3 ×  3 ×  5"},
      {"32766", " 32766 =  2 ×  3 ×  43 ×  127"},
      {"32767", " 32767 =  7 ×  31 ×  151"},
      {"-7", "-7 = "},
      {"abc", " 0 = "},
      {"", " 0 = "},
      {"12.5", " 12 =  2 ×  2 ×  3"},
      {"13.5", " 14 =  2 ×  7"},
      {"12cm", " 12 =  2 ×  2 ×  3"},
  };
  QStringList expected;
  for (const Case& c : cases) {
    type(form1, "Text1", QString::fromUtf8(c.text));
    EXPECT_TRUE(click(form1, "Command1").empty()) << c.text;
    expected << QString::fromUtf8(c.entry);
  }
  EXPECT_EQ(entries(form1), expected);
}

// The window as it opens, and again after "退 出" and a new "进 入".
TEST(AlgebraWindow, OpensLaidOutAndStartsAfreshAfterExit) {
  Program program;
  QWidget* form1 = program.enter(1);
  ASSERT_TRUE(form1);
  EXPECT_EQ(form1->windowTitle(), QString("代数"));
  EXPECT_EQ(form1->size(), QSize(623, 305));
  auto* label13 = find<QLabel>(form1, "Label13");
  EXPECT_EQ(label13->parentWidget(), find<QWidget>(form1, "Frame3"));
  EXPECT_EQ(label13->property("twips").toRect(), QRect(840, 600, 135, 255));
  EXPECT_EQ(label13->geometry(), QRect(56, 40, 9, 17));
  EXPECT_EQ(find<QPushButton>(form1, "Command5")->text(), QString("计  算"));
  EXPECT_EQ(find<QLabel>(form1, "Label16")->font().pixelSize(), 14);

  EXPECT_EQ(program.enter(1), form1);  // a second "进 入" brings the same window
  for (const char* box : kBoxes)
    type(form1, box, "12");
  click(form1, "Command1");
  ASSERT_EQ(entries(form1).size(), 1);
  EXPECT_TRUE(click(form1, "Command2").empty());
  settle();
  EXPECT_FALSE(program.forms().ended());  // the main window is still open
  form1 = program.enter(1);
  ASSERT_TRUE(form1);
  EXPECT_TRUE(entries(form1).isEmpty());
  EXPECT_EQ(find<QPushButton>(form1, "Command1")->text(), QString("分 解"));
  for (const char* box : kBoxes)
    EXPECT_TRUE(find<QLineEdit>(form1, box)->text().isEmpty()) << box;
}

}  // namespace
}  // namespace vorlinde::test
