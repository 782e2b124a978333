#include "geometry/form5.h"

#include <gtest/gtest.h>

#include <string_view>

#include "support/form_driver.h"

namespace vorlinde::test {
namespace {

// What a case expects besides a caption: the numeric guard's message box, or
// the overflow box; either way the result label keeps its earlier text.
constexpr std::string_view kRefused = "请输入数字！";
constexpr std::string_view kOverflow = "overflow";
const QString kEarlier = "S=earlier";

struct Row {
  const char* button;
  std::vector<const char*> boxes;  // the boxes the row reads, then those it ignores
  const char* label;
};
struct Case {
  std::vector<const char*> texts;  // one per box of the row
  std::string_view expected;
};

// Types each case into the row's boxes over an earlier result, clicks the row's
// "求 积" and checks the label and the boxes the click showed.
void check(const Row& row, std::initializer_list<Case> cases) {
  Opened<Form5> w;
  for (const Case& c : cases) {
    std::string typed;
    for (std::size_t i = 0; i < row.boxes.size(); ++i) {
      type(w.window(), row.boxes[i], QString::fromUtf8(c.texts.at(i)));
      typed += std::string(" [") + c.texts[i] + "]";
    }
    w.form().setCaption(row.label, kEarlier.toStdString());
    QStringList prompts = promptsOf(click(w.window(), row.button));
    QString label = caption(w.window(), row.label);
    SCOPED_TRACE(std::string(row.button) + typed);
    if (c.expected == kRefused) {
      EXPECT_EQ(prompts, QStringList{QString::fromUtf8(kRefused)});
      EXPECT_EQ(label, kEarlier);
    } else if (c.expected == kOverflow) {
      EXPECT_EQ(prompts, QStringList{errorPrompt(6)});
      EXPECT_EQ(label, kEarlier);
    } else {
      EXPECT_TRUE(prompts.isEmpty()) << prompts.join("|").toStdString();
      EXPECT_EQ(label.toStdString(), c.expected);
    }
  }
}

// Some measurements below show a different last digit when the operations run in
// another order (h × π × r², angle × π / 360, r × r × r, the cone's / 3 taken
// early, Heron's perimeter or product regrouped).

TEST(GeometryWindow, TriangleFromBaseAndHeight) {
  check({"Command1", {"Text1", "Text2"}, "Label7"}, {
                                                        {{"3", "5"}, "S=7.5"},
                                                        {{"-3", "5"}, "S=-7.5"},
                                                        {{"2.5", "4"}, "S=5"},
                                                        {{"0.1", "0.2"}, "S=0.01"},
                                                        {{"200", "200"}, "S=20000"},
                                                        {{" 1,000 ", "40000"}, "S=20000000"},
                                                        {{"", "5"}, kRefused},
                                                        {{"5", "12a"}, kRefused},
                                                        {{"1E200", "1E200"}, kOverflow},
                                                    });
}

TEST(GeometryWindow, TriangleFromThreeSides) {
  check({"Command2", {"Text3", "Text4", "Text5"}, "Label8"},
        {
            {{"3", "4", "5"}, "S=6"},
            {{"3", "4", "6"}, "S=5.33268225192539"},
            {{"1", "1", "1"}, "S=0.433012701892219"},
            {{"7", "8", "9"}, "S=26.8328157299975"},
            {{"1", "2", "3"}, "S=0"},
            {{"0", "5", "5"}, "S=0"},
            {{"1", "2", "4"}, "输入有误！"},
            {{"4", "1", "2"}, "输入有误！"},
            {{"2", "4", "1"}, "输入有误！"},
            {{"0", "5", "6"}, "输入有误！"},
            {{"-1", "2", "2"}, "输入有误！"},
            {{"10000", "10000", "10000"}, "S=43301270.1892219"},
            {{"11000", "11000", "11000"}, "S=52394536.9289585"},
            {{"20000", "20000", "1"}, "S=9999.999996875"},
            {{"2.5", "2.5", "2.5"}, "S=2.70632938682637"},
            {{"6.7", "2.5", "4.2"}, "S=0"},
            {{"6.7", "4.4", "6.2"}, "S=13.2526542152883"},
            {{"2.2", "6.1", "7.9"}, "S=4.37218480853682"},
            {{"3", "4", ""}, kRefused},
            {{"1E200", "1E200", "1E200"}, kOverflow},
        });
}

TEST(GeometryWindow, RectangleIgnoresTheUpperBase) {
  check({"Command3", {"Text6", "Text7", "Text8"}, "Label15"},
        {
            {{"6", "7", "abc"}, "S=42"},
            {{"6", "7", ""}, "S=42"},
            {{"2.5", "4", ""}, "S=10"},
            {{"200", "200", "x"}, "S=40000"},
            {{"", "7", "1"}, kRefused},
            {{"1E200", "1E200", ""}, kOverflow},
        });
}

TEST(GeometryWindow, Trapezoid) {
  check({"Command4", {"Text6", "Text7", "Text8"}, "Label16"},
        {
            {{"5", "3", "2"}, "S=10.5"},
            {{"2.5", "3", "1.5"}, "S=6"},
            {{"200", "200", "200"}, "S=40000"},
            {{"5", "3", ""}, kRefused},
            {{"1E200", "1E200", "1E200"}, kOverflow},
        });
}

TEST(GeometryWindow, CircleIgnoresTheAngle) {
  check({"Command5", {"Text9", "Text10"}, "Label21"},
        {
            {{"1", "abc"}, "S=3.14159265358979"},
            {{"2", ""}, "S=12.5663706143592"},
            {{"-2", ""}, "S=12.5663706143592"},
            {{"1.5", ""}, "S=7.06858347057703"},
            {{"", "1"}, kRefused},
            {{"1E400", ""}, kRefused},  // beyond any double: not a number
            {{"1E200", ""}, kOverflow},
        });
}

TEST(GeometryWindow, Sector) {
  check({"Command6", {"Text9", "Text10"}, "Label23"}, {
                                                          {{"2", "90"}, "S=3.14159265358979"},
                                                          {{"10", "45"}, "S=39.2699081698724"},
                                                          {{"1", "360"}, "S=3.14159265358979"},
                                                          {{"1", "720"}, "S=6.28318530717958"},
                                                          {{"1", "-90"}, "S=-0.785398163397448"},
                                                          {{"7.45", "375"}, "S=181.631506516529"},
                                                          {{"1", "abc"}, kRefused},
                                                          {{"1E200", "1"}, kOverflow},
                                                      });
}

TEST(GeometryWindow, Cylinder) {
  check({"Command7", {"Text11", "Text12"}, "Label28"},
        {
            {{"1", "1"}, "S=3.14159265358979"},
            {{"2", "3"}, "S=37.6991118430775"},
            {{"0.5", "10"}, "S=7.85398163397447"},
            {{"-2", "3"}, "S=37.6991118430775"},
            {{"2", "-3"}, "S=-37.6991118430775"},
            {{"6.82", "364.5"}, "S=53261.8386543324"},
            {{"2", ""}, kRefused},
            {{"1E200", "1"}, kOverflow},
        });
}

TEST(GeometryWindow, Cone) {
  check({"Command8", {"Text11", "Text12"}, "Label30"},
        {
            {{"1", "3"}, "S=3.14159265358979"},
            {{"1", "1"}, "S=1.0471975511966"},
            {{"2", "3"}, "S=12.5663706143592"},
            {{"-2", "3"}, "S=12.5663706143592"},
            {{"18.5", "225.3"}, "S=80748.2774354021"},
            {{"1", ""}, kRefused},
            {{"1E200", "1"}, kOverflow},
        });
}

TEST(GeometryWindow, SphereIgnoresTheHeight) {
  check({"Command9", {"Text11", "Text12"}, "Label32"}, {
                                                           {{"1", ""}, "S=4.18879020478639"},
                                                           {{"2", "abc"}, "S=33.5103216382911"},
                                                           {{"3", ""}, "S=113.097335529232"},
                                                           {{"-1", ""}, "S=-4.18879020478639"},
                                                           {{"4.87", ""}, "S=483.810726646464"},
                                                           {{"", "1"}, kRefused},
                                                           {{"1E200", ""}, kOverflow},
                                                       });
}

TEST(GeometryWindow, OpensEmptyWithTheFocusInTheFirstBox) {
  Opened<Form5> w;
  QWidget* form5 = w.window();
  EXPECT_EQ(form5->windowTitle(), QString("几何求积"));
  EXPECT_EQ(form5->size(), QSize(498, 483));
  EXPECT_EQ(form5->focusWidget(), find<QWidget>(form5, "Text1"));
  auto* label8 = find<QLabel>(form5, "Label8");
  EXPECT_EQ(label8->parentWidget(), find<QWidget>(form5, "Frame1"));
  EXPECT_EQ(label8->property("twips").toRect(), QRect(3960, 960, 1815, 375));
  auto* text12 = find<QLineEdit>(form5, "Text12");
  EXPECT_EQ(text12->parentWidget(), find<QWidget>(form5, "Frame2"));
  EXPECT_EQ(text12->geometry(), QRect(216, 16, 57, 18));

  // Tab walks the rows in reading order.
  QStringList order;
  QWidget* at = find<QWidget>(form5, "Text1");
  do {
    if (at->focusPolicy() & Qt::TabFocus) order << at->objectName();
    at = at->nextInFocusChain();
  } while (at != find<QWidget>(form5, "Text1"));
  EXPECT_EQ(order.join(' '),
            "Text1 Text2 Command1 Text3 Text4 Text5 Command2 Text6 Text7 Text8 Command3 "
            "Command4 Text9 Text10 Command5 Command6 Text11 Text12 Command7 Command8 "
            "Command9 Command10");
}

TEST(GeometryWindow, ExitUnloadsAndReopensEmpty) {
  Opened<Form5> w;
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
