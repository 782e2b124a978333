#include "sequences/form4.h"

#include <gtest/gtest.h>

#include <QTest>

#include "support/form_driver.h"

namespace vorlinde::test {
namespace {

// A panel of the window: its boxes, its button and its result labels.
struct Panel {
  QStringList boxes;
  QString button;
  QStringList results;
};
const Panel kArithmetic{{"Text5", "Text6", "Text7"}, "Command4", {"Label30", "Label31"}};
const Panel kGeometric{{"Text2", "Text3", "Text4"}, "Command3", {"Label28", "Label29"}};
const Panel kSpecial{{"Text1"},
                     "Command1",
                     {"Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20"}};

QStringList captions(QWidget* w, const QStringList& labels) {
  QStringList texts;
  for (const QString& l : labels)
    texts << caption(w, l);
  return texts;
}

// Types the inputs into the panel's boxes, clicks its button and returns the
// prompts of the boxes the click showed.
QStringList run(QWidget* w, const Panel& p, const QStringList& inputs) {
  for (int i = 0; i < p.boxes.size(); ++i)
    type(w, p.boxes[i], inputs.value(i));
  return promptsOf(click(w, p.button));
}

struct Case {
  const Panel* panel;
  QStringList inputs;
  QStringList shown;
};

TEST(SequenceWindow, PanelsShowTheirResults) {
  Opened<Form4> w;
  const Case cases[] = {
      {&kArithmetic, {"1", "2", "10"}, {"19", "100"}},
      {&kArithmetic, {"0.5", "0.1", "10"}, {"1.4", "9.5"}},
      {&kArithmetic, {"1", "2", "2.5"}, {"3", "4"}},
      {&kGeometric, {"1", "2", "10"}, {"512", "1023"}},
      {&kGeometric, {"3", "-2", "5"}, {"48", "33"}},
      {&kGeometric, {"1", "1.0", "10"}, {"对不起，", "q不能等于1！"}},
      {&kGeometric, {"1", "1.0000001", "10"}, {"1.00000090000036", "10.0000045008441"}},
      {&kSpecial,
       {"46340"},
       {"1073720970", "2147395600", "2147441940", "33171177740190", "1.15287672141774E+18",
        "33172251461160", "0.99997842083684"}},
      {&kSpecial, {"-2"}, {"1", "4", "2", "-1", "1", "0", "2"}},
      {&kSpecial, {"2.5"}, {"3", "4", "6", "5", "9", "8", "0.666666666666667"}},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(run(w.window(), *c.panel, c.inputs).isEmpty()) << c.inputs.join(' ').toStdString();
    EXPECT_EQ(captions(w.window(), c.panel->results), c.shown);
  }
}

// A panel tests only its own boxes: the others may hold anything.
TEST(SequenceWindow, EachPanelGuardsOnlyItsOwnBoxes) {
  const Panel* panels[] = {&kArithmetic, &kGeometric, &kSpecial};
  const QStringList valid[] = {{"1", "2", "10"}, {"1", "2", "10"}, {"1"}};
  const QStringList shown[] = {
      {"19", "100"}, {"512", "1023"}, {"1", "1", "2", "1", "1", "2", "0.5"}};
  for (int p = 0; p < 3; ++p) {
    Opened<Form4> w;
    for (int other = 0; other < 3; ++other)
      if (other != p) run(w.window(), *panels[other], {"x", "", "1 2"});
    for (int bad = 0; bad < panels[p]->boxes.size(); ++bad) {
      // A box that fails the test stops the click with the message.
      for (const QString text : {"", "12a", "1 2", " "}) {
        QStringList inputs = valid[p];
        inputs[bad] = text;
        EXPECT_EQ(run(w.window(), *panels[p], inputs), QStringList{"请输入数字！"})
            << panels[p]->button.toStdString() << " box " << bad;
        EXPECT_EQ(captions(w.window(), panels[p]->results).join(""), QString());
      }
    }
    EXPECT_TRUE(run(w.window(), *panels[p], valid[p]).isEmpty());
    EXPECT_EQ(captions(w.window(), panels[p]->results), shown[p]);
    // Once results stand, a refused click leaves them.
    QStringList inputs = valid[p];
    inputs[0] = "";
    EXPECT_EQ(run(w.window(), *panels[p], inputs), QStringList{"请输入数字！"});
    EXPECT_EQ(captions(w.window(), panels[p]->results), shown[p]);
  }
}

// A run-time error is reported, the panel keeps the results it showed, and the
// window goes on working.
TEST(SequenceWindow, RunTimeErrorsLeaveThePanelAsItWas) {
  Opened<Form4> w;
  const Case before[] = {
      {&kArithmetic, {"1", "2", "10"}, {"19", "100"}},
      {&kGeometric, {"1", "2", "10"}, {"512", "1023"}},
      {&kSpecial, {"10"}, {"55", "100", "110", "385", "3025", "440", "0.909090909090909"}},
  };
  struct Failure {
    int panel;
    QStringList inputs;
    int error;
  } failures[] = {
      {0, {"1", "2", "40000"}, 6}, {0, {"1", "2", "-32768"}, 6},
      {0, {"1", "1E308", "3"}, 6}, {1, {"1", "2", "40000"}, 6},
      {1, {"1", "1", "40000"}, 6}, {1, {"1", "10", "400"}, 6},
      {1, {"1", "2", "1024"}, 6},  {2, {"46341"}, 6},
      {2, {"-46342"}, 6},          {2, {"-1"}, 11},
  };
  for (const Case& c : before)
    run(w.window(), *c.panel, c.inputs);
  for (const Failure& f : failures) {
    const Case& c = before[f.panel];
    EXPECT_EQ(run(w.window(), *c.panel, f.inputs), QStringList{errorPrompt(f.error)})
        << f.inputs.join(' ').toStdString();
    for (const Case& all : before)
      EXPECT_EQ(captions(w.window(), all.panel->results), all.shown);
    EXPECT_TRUE(w.window()->isVisible());
  }
  EXPECT_FALSE(w.forms().ended());
  EXPECT_TRUE(run(w.window(), kSpecial, {"1"}).isEmpty());
  EXPECT_EQ(caption(w.window(), "Label20"), QString("0.5"));
}

// The exponents stand 120 twips above their row, in the gaps of its caption.
TEST(SequenceWindow, ExponentsAndFractionsStackOverTheirRows) {
  Opened<Form4> w;
  struct Raised {
    const char* exponent;
    const char* text;
    const char* row;
  } raised[] = {
      {"Label13", "2", "Label24"}, {"Label32", "2", "Label24"}, {"Label33", "2", "Label24"},
      {"Label34", "2", "Label24"}, {"Label35", "3", "Label25"}, {"Label36", "3", "Label25"},
      {"Label37", "3", "Label25"}, {"Label38", "3", "Label25"},
  };
  for (const Raised& r : raised) {
    QRect exponent = find<QLabel>(w.window(), r.exponent)->property("twips").toRect();
    QRect row = find<QLabel>(w.window(), r.row)->property("twips").toRect();
    EXPECT_EQ(caption(w.window(), r.exponent), QString(r.text));
    EXPECT_EQ(exponent.top(), row.top() - 120) << r.exponent;
    EXPECT_GT(exponent.left(), row.left()) << r.exponent;
    EXPECT_LT(exponent.right(), row.right()) << r.exponent;
  }
  for (const char* row : {"Label24", "Label25"})
    EXPECT_EQ(caption(w.window(), row), QString("1  +2  +3  +……+n  ="));
  // Numerators, bars and denominators, one under the other.
  EXPECT_EQ(caption(w.window(), "Label39"), QString(" 1    1    1          1"));
  EXPECT_EQ(caption(w.window(), "Label40"), QString("——+——+——+……+———="));
  EXPECT_EQ(caption(w.window(), "Label41"), QString("1×2 2×3 3×4      n(n+1)"));
  int top = 0;
  for (const char* line : {"Label39", "Label40", "Label41"}) {
    QRect place = find<QLabel>(w.window(), line)->property("twips").toRect();
    EXPECT_EQ(place.left(), 360);
    EXPECT_GT(place.top(), top) << line;
    top = place.top();
  }
}

TEST(SequenceWindow, OpensWithTheFocusOnTheBottomPanelAndTabsUpwards) {
  Opened<Form4> w;
  EXPECT_EQ(w.window()->windowTitle(), QString("求数列前n项的和"));
  EXPECT_EQ(w.window()->size(), QSize(382, 429));
  QApplication::setActiveWindow(w.window());
  const char* order[] = {"Text1", "Command1", "Text2", "Text3",    "Text4",   "Command3",
                         "Text5", "Text6",    "Text7", "Command4", "Command2"};
  for (const char* name : order) {
    EXPECT_EQ(w.window()->focusWidget(), find<QWidget>(w.window(), name)) << name;
    QTest::keyClick(w.window()->focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(w.window()->focusWidget(), find<QWidget>(w.window(), "Text1"));
}

TEST(SequenceWindow, ExitUnloadsAndReloadStartsEmpty) {
  Opened<Form4> w;
  run(w.window(), kArithmetic, {"1", "2", "10"});
  EXPECT_TRUE(click(w.window(), "Command2").empty());
  settle();
  EXPECT_FALSE(w.form().isLoaded());
  w.form().show();
  for (const QString& box :
       QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
    EXPECT_TRUE(find<QLineEdit>(w.window(), box)->text().isEmpty()) << box.toStdString();
  EXPECT_EQ(caption(w.window(), "Label30"), QString());
  EXPECT_EQ(find<QPushButton>(w.window(), "Command2")->text(), QString("退 出"));
}

}  // namespace
}  // namespace vorlinde::test
