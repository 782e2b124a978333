#include <gtest/gtest.h>

#include "algebra/form1.h"
#include "support/form_driver.h"

namespace vorlinde::test {
namespace {

constexpr int kNone = 0;            // the click shows no box
constexpr int kAskNumber = 1;       // the numeric guard's message
const char* const kKeep = nullptr;  // the label keeps what it showed before

struct Outcome {
  QStringList prompts;
  QStringList captions;
};

QStringList expectedPrompts(int box) {
  if (box == kNone) return {};
  if (box == kAskNumber) return {QString("请输入数字！")};
  return {errorPrompt(box)};
}

// Types the texts into the boxes, clicks the button and reads the labels.
Outcome press(QWidget* w, const char* button, const QStringList& boxes, const QStringList& texts,
              const QStringList& labels) {
  for (int i = 0; i < boxes.size(); ++i)
    type(w, boxes[i], texts[i]);
  Outcome o{promptsOf(click(w, button)), {}};
  for (const QString& label : labels)
    o.captions << caption(w, label);
  return o;
}

// One click of a single-result handler: the texts typed, then the label's caption
// (kKeep: unchanged) and the box the click shows.
struct Step {
  const char* first;
  const char* second;
  const char* caption;
  int box;
};

void run(const char* button, const QStringList& boxes, const char* label,
         std::initializer_list<Step> steps) {
  Opened<Form1> w;
  QString before;
  for (const Step& s : steps) {
    QStringList texts{QString::fromUtf8(s.first), QString::fromUtf8(s.second ? s.second : "")};
    Outcome o = press(w.window(), button, boxes, texts, {label});
    QString expected = s.caption ? QString::fromUtf8(s.caption) : before;
    EXPECT_EQ(o.captions.value(0), expected) << s.first << " " << (s.second ? s.second : "");
    EXPECT_EQ(o.prompts, expectedPrompts(s.box)) << s.first << " " << (s.second ? s.second : "");
    before = o.captions.value(0);
  }
  EXPECT_TRUE(w.window()->isVisible());  // errors leave the window open
}

TEST(AlgebraPanels, Factorial) {
  run("Command3", {"Text2"}, "Label5",
      {
          {"5", nullptr, "阶乘结果是：120", kNone},
          {"", nullptr, kKeep, kAskNumber},
          {"171", nullptr, kKeep, 6},
          {"170", nullptr, "阶乘结果是：7.25741561530799E+306", kNone},
          {"5.5", nullptr, "阶乘结果是：720", kNone},
      });
}

TEST(AlgebraPanels, DivisorAndMultiple) {
  run("Command4", {"Text3", "Text4"}, "Label9",
      {
          {"12", "18", "结果分别为： 6  36", kNone},
          {"", "18", kKeep, kAskNumber},
          {"12", "", kKeep, kAskNumber},
          {"40000", "1", kKeep, 6},
          {"4.5", "6", "结果分别为： 2  12", kNone},
          {"-32768", "-1", "结果分别为： 1  32768", kNone},
          {"0", "0", "结果分别为： 0  0", kNone},
      });
}

TEST(AlgebraPanels, Power) {
  run("Command5", {"Text5", "Text6"}, "Label15",
      {
          {"2", "10", "1024", kNone},
          {"2", "", kKeep, kAskNumber},
          {"2", "1024", kKeep, 6},
          {"-8", "0.333333333333333", kKeep, 5},
          {"0", "-1", kKeep, 11},
          {"2.5", "2", "6.25", kNone},
          {"2", "0.5", "1.4142135623731", kNone},
      });
}

TEST(AlgebraPanels, RootAndLogarithmReadOnlyM) {
  Opened<Form1> w;
  const QStringList labels{"Label20", "Label22"};
  struct Case {
    const char* m;
    const char* n;  // Text6, which this button neither tests nor reads
    const char* root;
    const char* logarithm;
    int box;
  } cases[] = {
      {"2", "", "1.4142135623731", "0.693147180559945", kNone},
      {"10", "abc", "3.16227766016838", "2.30258509299405", kNone},
      {"0", "", "3.16227766016838", "2.30258509299405", 5},  // nothing written
      {"", "2", "3.16227766016838", "2.30258509299405", kAskNumber},
      {"2.5", "", "1.58113883008419", "0.916290731874155", kNone},
  };
  for (const Case& c : cases) {
    Outcome o = press(w.window(), "Command6", {"Text5", "Text6"}, {c.m, c.n}, labels);
    EXPECT_EQ(o.captions, QStringList({c.root, c.logarithm})) << c.m;
    EXPECT_EQ(o.prompts, expectedPrompts(c.box)) << c.m;
  }
}

TEST(AlgebraPanels, Trigonometry) {
  Opened<Form1> w;
  const QStringList labels{"Label25", "Label27", "Label29", "Label31",
                           "Label33", "Label35", "Label37"};
  const QStringList at30{
      "0.523598775598298", "0.5", "0.866025403784439", "0.577350269189625", "1.73205080756888",
      "1.15470053837925",  "2"};
  struct Case {
    const char* degrees;
    QStringList captions;
    int box;
  } cases[] = {
      {"30", at30, kNone},
      {"", at30, kAskNumber},
      // Written up to the failing cotangent; the three after it emptied.
      {"0", {"0", "0", "1", "0", "", "", ""}, 11},
      {"30", at30, kNone},
      {"90",
       {"1.5707963267949", "1", "1.61554457443259E-15", "618986325617924", "1.61554457443259E-15",
        "618986325617924", "1"},
       kNone},
      // The conversion itself overflows: nothing of the earlier angle stays.
      {"1E308", {"", "", "", "", "", "", ""}, 6},
  };
  for (const Case& c : cases) {
    Outcome o = press(w.window(), "Command7", {"Text7"}, {c.degrees}, labels);
    EXPECT_EQ(o.captions, c.captions) << c.degrees;
    EXPECT_EQ(o.prompts, expectedPrompts(c.box)) << c.degrees;
  }
}

// Each guard tests its own boxes only: with every other box empty or wrong, each
// button still computes.
TEST(AlgebraPanels, GuardsLookOnlyAtTheirOwnBoxes) {
  Opened<Form1> w;
  for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
    type(w.window(), box, "x");
  struct Case {
    const char* button;
    QStringList boxes;
    const char* label;
    const char* caption;
  } cases[] = {
      {"Command3", {"Text2"}, "Label5", "阶乘结果是：6"},
      {"Command4", {"Text3", "Text4"}, "Label9", "结果分别为： 3  3"},
      {"Command6", {"Text5"}, "Label20", "1.73205080756888"},
      {"Command5", {"Text5", "Text6"}, "Label15", "27"},
      {"Command7", {"Text7"}, "Label25", "0.0523598775598298"},
  };
  for (const Case& c : cases) {
    for (const QString& box : c.boxes)
      type(w.window(), box, "3");
    Outcome o = press(w.window(), c.button, {}, {}, {c.label});
    EXPECT_EQ(o.captions.value(0), QString::fromUtf8(c.caption)) << c.button;
    EXPECT_TRUE(o.prompts.isEmpty()) << c.button;
  }
}

}  // namespace
}  // namespace vorlinde::test
