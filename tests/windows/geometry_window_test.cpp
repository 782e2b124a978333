#include "windows/geometry_window.h"

#include <gtest/gtest.h>

#include <string_view>

#include "support/form_driver.h"

namespace vorlinde::test {
namespace {

constexpr std::string_view kOverflow = "overflow";  // the error box; the label stays

// The digits are the computation table's; these cases show that each button
// reads its own boxes, as doubles (2.5 is not rounded, 40000 is no overflow), and
// writes its own label, and that its numeric guard refuses a bad box (a later
// one as well as the first) and leaves the label alone. One run-time error per
// frame, and the window works on after it.
TEST(GeometryWindow, EveryButtonReadsItsBoxesAndWritesItsLabel) {
  struct Case {
    const char* button;
    std::vector<const char*> boxes;  // those it reads, in their order, then those it ignores
    std::vector<const char*> texts;
    const char* label;
    std::string_view expected;
    int spoiled = -1;  // then this box gets the text below: "请输入数字！", the label stays
    const char* spoiledText = "";
  } cases[] = {
      {"Command1", {"Text1", "Text2"}, {"2.5", "40000"}, "Label7", "S=50000", 0},
      {"Command2", {"Text3", "Text4", "Text5"}, {"2.5", "2.5", "4"}, "Label8", "S=3", 2},
      {"Command2", {"Text3", "Text4", "Text5"}, {"1E200", "1E200", "1E200"}, "Label8", kOverflow},
      {"Command2", {"Text3", "Text4", "Text5"}, {"1", "2", "4"}, "Label8", "输入有误！"},
      {"Command3", {"Text6", "Text7", "Text8"}, {"200", "200", "abc"}, "Label15", "S=40000", 0},
      {"Command4", {"Text6", "Text7", "Text8"}, {"2.5", "3", "1.5"}, "Label16", "S=6", 2},
      {"Command5", {"Text9", "Text10"}, {"-2", "abc"}, "Label21", "S=12.5663706143592", 0},
      {"Command6", {"Text9", "Text10"}, {"10", "45"}, "Label23", "S=39.2699081698724", 1, "abc"},
      {"Command7", {"Text11", "Text12"}, {"2", "3"}, "Label28", "S=37.6991118430775", 1},
      {"Command8", {"Text11", "Text12"}, {"2", "3"}, "Label30", "S=12.5663706143592", 0, "12a"},
      {"Command8", {"Text11", "Text12"}, {"1E200", "1"}, "Label30", kOverflow},
      {"Command9", {"Text11", "Text12"}, {"2", "abc"}, "Label32", "S=33.5103216382911", 0},
  };
  Opened<GeometryWindow> w;
  for (const Case& c : cases) {
    for (std::size_t i = 0; i < c.boxes.size(); ++i)
      type(w.window(), c.boxes[i], QString::fromUtf8(c.texts.at(i)));
    SCOPED_TRACE(std::string(c.button) + " " + c.texts[0] + " " + c.texts[1]);
    const QString before = caption(w.window(), c.label);
    const QStringList prompts = promptsOf(click(w.window(), c.button));
    if (c.expected == kOverflow) {
      EXPECT_EQ(prompts, QStringList{errorPrompt(6)});
      EXPECT_EQ(caption(w.window(), c.label), before);
      continue;
    }
    EXPECT_TRUE(prompts.isEmpty()) << prompts.join("|").toStdString();
    EXPECT_EQ(caption(w.window(), c.label).toStdString(), c.expected);
    if (c.spoiled < 0) continue;
    type(w.window(), c.boxes[c.spoiled], c.spoiledText);
    EXPECT_EQ(promptsOf(click(w.window(), c.button)), QStringList{"请输入数字！"});
    EXPECT_EQ(caption(w.window(), c.label).toStdString(), c.expected);
  }
}

// The first focus and the Tab order are checked, with real Tab keys, among all
// the windows' in the accessibility tests.
TEST(GeometryWindow, CaptionSizeAndPlaces) {
  Opened<GeometryWindow> w;
  QWidget* form5 = w.window();
  EXPECT_EQ(form5->windowTitle(), QString("几何求积"));
  EXPECT_EQ(form5->size(), QSize(498, 483));
  auto* label8 = find<QLabel>(form5, "Label8");
  EXPECT_EQ(label8->parentWidget(), find<QWidget>(form5, "Frame1"));
  EXPECT_EQ(label8->property("twips").toRect(), QRect(3960, 960, 1815, 375));
  auto* text12 = find<QLineEdit>(form5, "Text12");
  EXPECT_EQ(text12->parentWidget(), find<QWidget>(form5, "Frame2"));
  EXPECT_EQ(text12->geometry(), QRect(216, 16, 57, 18));
}

TEST(GeometryWindow, ExitUnloadsAndReopensEmpty) {
  Opened<GeometryWindow> w;
  type(w.window(), "Text1", "3");
  type(w.window(), "Text2", "5");
  click(w.window(), "Command1");
  EXPECT_EQ(caption(w.window(), "Label7"), QString("S=7.5"));
  EXPECT_TRUE(click(w.window(), "Command10").empty());
  settle();
  EXPECT_FALSE(w.form().isLoaded());
  w.form().show();
  EXPECT_TRUE(find<QLineEdit>(w.window(), "Text1")->text().isEmpty());
  EXPECT_TRUE(caption(w.window(), "Label7").isEmpty());
}

}  // namespace
}  // namespace vorlinde::test
