#include "windows/sequence_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include "support/form_driver.h"

// The digits of every panel are checked in series_test.cpp; these tests drive
// the real window: which boxes each button reads, which labels it writes, and
// what a refused or failed click leaves behind.

namespace vorlinde::test {
namespace {

// A panel of the window, its names and texts separated by blanks: its button,
// boxes and result labels, inputs it accepts with the results they show (all
// different, so a swapped label shows), and inputs that fail with a run-time
// error after part of the arithmetic has succeeded.
struct Panel {
  const char *button, *boxes, *results, *valid, *shown, *failing;
  int error;
};
const Panel kPanels[] = {
    {"Command4", "Text5 Text6 Text7", "Label30 Label31", "1 2 10", "19 100", "1E308 0 4", 6},
    {"Command3", "Text2 Text3 Text4", "Label28 Label29", "1 2 10", "512 1023", "1 2 1024", 6},
    {"Command1", "Text1", "Label14 Label15 Label16 Label17 Label18 Label19 Label20", "10",
     "55 100 110 385 3025 440 0.909090909090909", "-1", 11},
};

QStringList words(const char* text) {
  return QString(text).split(' ');
}

QStringList run(QWidget* w, const Panel& p, const QStringList& inputs) {
  const QStringList boxes = words(p.boxes);
  for (int i = 0; i < boxes.size(); ++i)
    type(w, boxes[i], inputs[i]);
  return promptsOf(click(w, p.button));
}

void expectAllPanelsShowTheirResults(QWidget* w, const QString& after) {
  for (const Panel& p : kPanels)
    for (int i = 0; i < words(p.results).size(); ++i)
      EXPECT_EQ(caption(w, words(p.results)[i]), words(p.shown)[i]) << after.toStdString();
}

TEST(SequenceWindow, RefusalOfQEqualToOneIsWrittenIntoTheLabels) {
  Opened<SequenceWindow> w;
  EXPECT_TRUE(run(w.window(), kPanels[1], {"1", "1.0", "10"}).isEmpty());
  EXPECT_EQ(caption(w.window(), "Label28"), QString("对不起，"));
  EXPECT_EQ(caption(w.window(), "Label29"), QString("q不能等于1！"));
}

// Each button reads only its own boxes (the others hold no numbers); a box that
// fails the numeric test and a run-time error leave every label as it was, and
// the window goes on working.
TEST(SequenceWindow, ButtonsWriteOnlyTheirLabelsAndFailuresLeaveThem) {
  Opened<SequenceWindow> w;
  for (const Panel& p : kPanels)
    run(w.window(), p, words(p.valid));
  for (const Panel& p : kPanels) {
    for (const Panel& other : kPanels)
      for (const QString& box : words(other.boxes))
        if (&other != &p) type(w.window(), box, "x");
    EXPECT_TRUE(run(w.window(), p, words(p.valid)).isEmpty()) << p.button;
    expectAllPanelsShowTheirResults(w.window(), p.button);
    for (int bad = 0; bad < words(p.boxes).size(); ++bad)
      for (const QString text : {"", "12a"}) {
        QStringList inputs = words(p.valid);
        inputs[bad] = text;
        EXPECT_EQ(run(w.window(), p, inputs), QStringList{"请输入数字！"});
        expectAllPanelsShowTheirResults(w.window(), words(p.boxes)[bad] + " " + text);
      }
    EXPECT_EQ(run(w.window(), p, words(p.failing)), QStringList{errorPrompt(p.error)});
    expectAllPanelsShowTheirResults(w.window(), p.failing);
  }
  EXPECT_FALSE(w.forms().ended());
  EXPECT_TRUE(run(w.window(), kPanels[2], {"1"}).isEmpty());
  EXPECT_EQ(caption(w.window(), "Label20"), QString("0.5"));
}

// Caption, size, focus from the bottom panel upwards, the exponents 120 twips
// above their row in the gaps of its caption, and the fraction's three lines.
TEST(SequenceWindow, Layout) {
  Opened<SequenceWindow> w;
  EXPECT_EQ(w.window()->windowTitle(), QString("求数列前n项的和"));
  EXPECT_EQ(w.window()->size(), QSize(382, 429));
  QApplication::setActiveWindow(w.window());
  for (const QString& name : words(
           "Text1 Command1 Text2 Text3 Text4 Command3 Text5 Text6 Text7 Command4 Command2 Text1")) {
    EXPECT_EQ(w.window()->focusWidget(), find<QWidget>(w.window(), name)) << name.toStdString();
    QTest::keyClick(w.window()->focusWidget(), Qt::Key_Tab);
  }
  auto place = [&](const QString& name) {
    return find<QLabel>(w.window(), name)->property("twips").toRect();
  };
  for (const char* row :
       {"Label24 2 Label13 Label32 Label33 Label34", "Label25 3 Label35 Label36 Label37 Label38"}) {
    const QStringList names = words(row);
    EXPECT_EQ(caption(w.window(), names[0]), QString("1  +2  +3  +……+n  ="));
    for (const QString& e : names.mid(2)) {
      EXPECT_EQ(caption(w.window(), e), names[1]);
      EXPECT_EQ(place(e).top(), place(names[0]).top() - 120) << e.toStdString();
      EXPECT_GT(place(e).left(), place(names[0]).left()) << e.toStdString();
      EXPECT_LT(place(e).right(), place(names[0]).right()) << e.toStdString();
    }
  }
  EXPECT_EQ(caption(w.window(), "Label39"), QString(" 1    1    1          1"));
  EXPECT_EQ(caption(w.window(), "Label40"), QString("——+——+——+……+———="));
  EXPECT_EQ(caption(w.window(), "Label41"), QString("1×2 2×3 3×4      n(n+1)"));
  EXPECT_EQ(place("Label39"), QRect(360, 5280, 2655, 135));
  EXPECT_EQ(place("Label40"), QRect(360, 5400, 2535, 135));
  EXPECT_EQ(place("Label41"), QRect(360, 5520, 2535, 255));
}

TEST(SequenceWindow, ExitUnloadsAndReloadStartsEmpty) {
  Opened<SequenceWindow> w;
  run(w.window(), kPanels[0], words(kPanels[0].valid));
  EXPECT_EQ(find<QPushButton>(w.window(), "Command2")->text(), QString("退 出"));
  EXPECT_TRUE(click(w.window(), "Command2").empty());
  settle();
  EXPECT_FALSE(w.form().isLoaded());
  w.form().show();
  for (const Panel& p : kPanels) {
    for (const QString& box : words(p.boxes))
      EXPECT_TRUE(find<QLineEdit>(w.window(), box)->text().isEmpty()) << box.toStdString();
    for (const QString& label : words(p.results))
      EXPECT_EQ(caption(w.window(), label), QString()) << label.toStdString();
  }
}

}  // namespace
}  // namespace vorlinde::test
