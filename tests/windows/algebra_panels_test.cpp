#include <gtest/gtest.h>

#include <map>

#include "support/form_driver.h"
#include "windows/algebra_window.h"

namespace vorlinde::test {
namespace {

// The digits are the computation tables' business; here each button is seen to
// read its own boxes, write its own labels, guard them, and go on after an error.
// Every click fills only the boxes it names and empties the rest, so a guard that
// looked at another box would ask for a number (Command6 runs with Text6 empty).
TEST(AlgebraPanels, EachButtonReadsItsBoxesAndWritesItsLabels) {
  const std::map<QString, QStringList> labels{
      {"Command3", {"Label5"}},
      {"Command4", {"Label9"}},
      {"Command5", {"Label15"}},
      {"Command6", {"Label20", "Label22"}},
      {"Command7", {"Label25", "Label27", "Label29", "Label31", "Label33", "Label35", "Label37"}},
  };
  const QString ask = "请输入数字！";
  const QStringList kept;  // the labels keep what they showed before the click
  const QStringList at30{
      "0.523598775598298", "0.5", "0.866025403784439", "0.577350269189625", "1.73205080756888",
      "1.15470053837925",  "2"};
  struct Click {
    const char* button;
    QStringList typed;  // box, text, box, text …
    QStringList captions;
    QString prompt;  // empty: no box
  } clicks[] = {
      {"Command3", {"Text2", "5"}, {"阶乘结果是：120"}, ""},
      {"Command3", {"Text2", ""}, kept, ask},
      {"Command3", {"Text2", "171"}, kept, errorPrompt(6)},
      {"Command3", {"Text2", "170"}, {"阶乘结果是：7.25741561530799E+306"}, ""},
      {"Command4", {"Text3", "12", "Text4", "18"}, {"结果分别为： 6  36"}, ""},
      {"Command4", {"Text3", "", "Text4", "18"}, kept, ask},
      {"Command4", {"Text3", "12", "Text4", ""}, kept, ask},
      {"Command4", {"Text3", "40000", "Text4", "1"}, kept, errorPrompt(6)},
      {"Command4", {"Text3", "4.5", "Text4", "6"}, {"结果分别为： 2  12"}, ""},
      {"Command6", {"Text5", "10"}, {"3.16227766016838", "2.30258509299405"}, ""},
      {"Command6", {"Text5", ""}, kept, ask},
      // The root was fine, yet neither label is written.
      {"Command6", {"Text5", "0"}, kept, errorPrompt(5)},
      {"Command6", {"Text5", "2.5"}, {"1.58113883008419", "0.916290731874155"}, ""},
      {"Command5", {"Text5", "2", "Text6", "10"}, {"1024"}, ""},
      {"Command5", {"Text5", "", "Text6", "10"}, kept, ask},
      {"Command5", {"Text5", "2", "Text6", ""}, kept, ask},
      {"Command5", {"Text5", "2", "Text6", "1024"}, kept, errorPrompt(6)},
      {"Command5", {"Text5", "2.5", "Text6", "2"}, {"6.25"}, ""},
      {"Command7", {"Text7", "30"}, at30, ""},
      {"Command7", {"Text7", ""}, kept, ask},
      // Written up to the failing cotangent; the three after it emptied.
      {"Command7", {"Text7", "0"}, {"0", "0", "1", "0", "", "", ""}, errorPrompt(11)},
      {"Command7", {"Text7", "30"}, at30, ""},
      // The conversion itself overflows: nothing of the earlier angle stays.
      {"Command7", {"Text7", "1E308"}, {"", "", "", "", "", "", ""}, errorPrompt(6)},
  };
  Opened<AlgebraWindow> w;
  std::map<QString, QStringList> shown;  // each button's labels as they stand
  for (const Click& c : clicks) {
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
      const qsizetype at = c.typed.indexOf(box);
      type(w.window(), box, at < 0 ? QString() : c.typed[at + 1]);
    }
    const QStringList prompts = promptsOf(click(w.window(), c.button));
    QStringList captions;
    for (const QString& label : labels.at(c.button))
      captions << caption(w.window(), label);
    const std::string what = c.button + (" " + c.typed.join(" ").toStdString());
    EXPECT_EQ(captions, c.captions.isEmpty() ? shown[c.button] : c.captions) << what;
    EXPECT_EQ(prompts, c.prompt.isEmpty() ? QStringList() : QStringList{c.prompt}) << what;
    shown[c.button] = captions;
  }
  EXPECT_TRUE(w.window()->isVisible());
}

}  // namespace
}  // namespace vorlinde::test
