#include "windows/equation_window.h"

#include <utility>

#include "core/equations.h"

namespace vorlinde {
namespace {

constexpr FontChoice kSong105{"宋体", 10.5};
constexpr FontChoice kSong675{"宋体", 6.75};  // the small, raised exponent of x²

constexpr Style kPattern{.font = kSong105};
constexpr Style kExponent{.font = kSong675};
// The result labels, named by the caption above them ("该方程的解是：").
constexpr Style kRootResult{.backdrop = Backdrop::HighlightText, .namedBy = "Label8"};
constexpr Style kSystemResult{.backdrop = Backdrop::Window, .namedBy = "Label27"};

// The subscript labels are one character wide, so their captions wrap: the 1
// stands beside the upper row and the 2 beside the lower one.
FormDescription equationWindow() {
  using enum ControlKind;
  FormDescription form{
      .name = "Form2", .caption = "解方程", .clientWidth = 4665, .clientHeight = 6375};
  // clang-format off
  form.controls = {
      {Label, "Label1", "一、解一元二次方程", "", {240, 240, 1935, 255}},
      {Label, "Label2", "请先将方程化简为标准形式：ax", "", {240, 600, 2535, 255}},
      {Label, "Label3", "2", "", {2760, 600, 135, 255}, kExponent},
      {Label, "Label4", "+bx+c=0", "", {2880, 600, 735, 255}},
      {Label, "Label5", "输入a：", "", {240, 1080, 735, 255}},
      {TextBox, "Text1", "", "", {960, 960, 735, 375}, {.namedBy = "Label5", .description = "一元二次方程的a"}},
      {Label, "Label6", "b：", "", {1920, 1080, 255, 255}},
      {TextBox, "Text2", "", "", {2280, 960, 735, 375}, {.namedBy = "Label6", .description = "一元二次方程的b"}},
      {Label, "Label7", "c：", "", {3240, 1080, 255, 255}},
      {TextBox, "Text3", "", "", {3600, 960, 735, 375}, {.namedBy = "Label7", .description = "一元二次方程的c"}},
      {Label, "Label8", "该方程的解是：", "", {240, 1440, 1335, 255}},
      {Label, "Label9", "", "", {240, 1800, 1455, 375}, kRootResult},
      {Label, "Label10", "", "", {1800, 1800, 1455, 375}, kRootResult},
      {Button, "Command1", "求  解", "", {3480, 1800, 975, 375}},

      {Label, "Label11", "二、解二元一次方程组", "", {240, 2400, 2055, 255}},
      {Label, "Label12", "请先将方程组化简为以下形式：", "", {240, 2760, 2655, 255}},
      {Label, "Label13", "a  x + b  y =  c", "", {720, 3120, 2055, 255}, kPattern},
      {Label, "Label14", "a  x + b  y =  c", "", {720, 3480, 2295, 375}, kPattern},
      {Label, "Label15", "1  2", "", {840, 3240, 135, 615}},
      {Label, "Label16", "1   2", "", {1560, 3240, 135, 735}},
      {Label, "Label17", "1  2", "", {2400, 3240, 135, 615}},
      {Label, "Label18", "输入a ：", "", {240, 4080, 735, 255}},
      {TextBox, "Text4", "", "", {1080, 3960, 735, 375}, {.namedBy = "Label18", .description = "第一个方程的a1"}},
      {Label, "Label19", "b ：", "", {1920, 4080, 375, 255}},
      {TextBox, "Text5", "", "", {2400, 3960, 735, 375}, {.namedBy = "Label19", .description = "第一个方程的b1"}},
      {Label, "Label20", "c ：", "", {3240, 4080, 375, 255}},
      {TextBox, "Text6", "", "", {3720, 3960, 735, 375}, {.namedBy = "Label20", .description = "第一个方程的c1"}},
      {Label, "Label21", "a ：", "", {600, 4440, 375, 255}},
      {TextBox, "Text7", "", "", {1080, 4440, 735, 375}, {.namedBy = "Label21", .description = "第二个方程的a2"}},
      {Label, "Label22", "b ：", "", {1920, 4440, 375, 255}},
      {TextBox, "Text8", "", "", {2400, 4440, 735, 375}, {.namedBy = "Label22", .description = "第二个方程的b2"}},
      {Label, "Label23", "c ：", "", {3240, 4440, 375, 255}},
      {TextBox, "Text9", "", "", {3720, 4440, 735, 375}, {.namedBy = "Label23", .description = "第二个方程的c2"}},
      {Label, "Label24", "1   2", "", {720, 4200, 135, 615}},
      {Label, "Label25", "1  2", "", {2040, 4200, 135, 735}},
      {Label, "Label26", "1  2", "", {3360, 4200, 135, 615}},
      {Label, "Label27", "该方程组的解是：", "", {240, 4920, 1575, 255}},
      {Label, "Label28", "", "", {240, 5280, 1455, 375}, kSystemResult},
      {Label, "Label29", "", "", {1800, 5280, 1455, 375}, kSystemResult},
      {Button, "Command3", "求  解", "", {3480, 5280, 975, 375}},
      {Button, "Command2", "退 出", "", {3480, 5880, 975, 375}},
      workingButton({2280, 5880, 1095, 375}),
  };
  // clang-format on
  form.tabOrder = {"Text1", "Text2", "Text3", "Command1", "Command2", "Text4",       "Text5",
                   "Text6", "Text7", "Text8", "Text9",    "Command3", kWorkingButton};
  form.firstFocus = "Text1";
  return form;
}

}  // namespace

std::vector<ToolWindow::Handled<EquationWindow>> EquationWindow::panelTable() {
  return {
      {PanelId::Quadratic, &EquationWindow::quadraticClicked},
      {PanelId::TwoUnknowns, &EquationWindow::systemClicked},
  };
}

EquationWindow::EquationWindow(FormRegistry& registry)
    : ToolWindow(registry, equationWindow(), panelTable(), "Command2") {}

// Both handlers compute everything first and then write both labels, so a
// click that fails on the way leaves its panel as it was.
void EquationWindow::quadraticClicked(const PanelEntry& panel) {
  const Answer answer = solveQuadratic(texts(panel), format());
  write(panel, {answer.first, answer.second});
}

void EquationWindow::systemClicked(const PanelEntry& panel) {
  const Answer answer = solveSystem(texts(panel), format());
  write(panel, {answer.first, answer.second});
}

}  // namespace vorlinde
