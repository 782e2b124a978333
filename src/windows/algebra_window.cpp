#include "windows/algebra_window.h"

#include <iterator>
#include <utility>

#include "core/natural.h"
#include "core/numbers.h"
#include "core/powers.h"
#include "core/runtime_error.h"
#include "core/trigonometry.h"

namespace vorlinde {
namespace {

constexpr FontChoice kSong105{"宋体", 10.5};

FormDescription algebraWindow() {
  using enum ControlKind;
  FormDescription form{
      .name = "Form1", .caption = "代数", .clientWidth = 9345, .clientHeight = 4575};
  // clang-format off
  form.controls = {
      {Frame, "Frame1", "自然数", "", {120, 120, 4455, 3855}},
      {Label, "Label1", "1.分解质因数", "Frame1", {120, 240, 1215, 255}},
      {Label, "Label2", "输入自然数：", "Frame1", {360, 480, 1215, 255}},
      {TextBox, "Text1", "", "Frame1", {1800, 480, 1335, 270}, {.namedBy = "Label2", .description = "要分解质因数的自然数"}},
      {Button, "Command1", "分 解", "Frame1", {3480, 360, 855, 375}},
      {ListBox, "List1", "", "Frame1", {120, 840, 4215, 960}, {.namedBy = "Label1"}},
      {Label, "Label3", "2.求阶乘", "Frame1", {120, 1920, 855, 255}},
      {Label, "Label4", "输入自然数：", "Frame1", {360, 2160, 1215, 255}},
      {TextBox, "Text2", "", "Frame1", {1800, 2025, 1335, 270}, {.namedBy = "Label4", .description = "要求阶乘的自然数"}},
      {Button, "Command3", "求 积", "Frame1", {3480, 2280, 855, 375}},
      {Label, "Label5", "", "Frame1", {360, 2400, 3135, 255}, {.namedBy = "Label3"}},
      {Label, "Label6", "3.求最大公约数与最小公倍数", "Frame1", {120, 2760, 2535, 255}},
      {Label, "Label7", "输入两个数：", "Frame1", {360, 3000, 1095, 255}},
      {TextBox, "Text3", "", "Frame1", {1560, 3000, 975, 270}, {.namedBy = "Label7", .description = "第一个数"}},
      {Label, "Label8", "，", "Frame1", {2760, 3000, 255, 255}},
      {TextBox, "Text4", "", "Frame1", {3240, 3000, 1095, 270}, {.namedBy = "Label7", .description = "第二个数"}},
      {Button, "Command4", "计 算", "Frame1", {3480, 3360, 855, 375}},
      {Label, "Label9", "", "Frame1", {360, 3360, 2055, 255}, {.namedBy = "Label6"}},

      {Frame, "Frame3", "指数与对数", "", {4680, 120, 4455, 1815}},
      {Label, "Label10", "输入 m：", "Frame3", {360, 240, 735, 255}},
      {TextBox, "Text5", "", "Frame3", {1200, 240, 1095, 270}, {.namedBy = "Label10"}},
      {Label, "Label11", "n：", "Frame3", {2880, 240, 255, 255}},
      {TextBox, "Text6", "", "Frame3", {3240, 240, 1095, 270}, {.namedBy = "Label11"}},
      {Label, "Label12", "则：m", "Frame3", {360, 720, 495, 255}},
      {Label, "Label13", "n", "Frame3", {840, 600, 135, 255}},
      {Label, "Label14", "=", "Frame3", {960, 720, 255, 255}},
      {Label, "Label15", "", "Frame3", {1320, 720, 1935, 255}, {.accessibleName = "则：mⁿ"}},
      {Button, "Command5", "计  算", "Frame3", {3240, 720, 1095, 375}},
      {Label, "Label16", "√", "Frame3", {600, 1080, 255, 375}, {.font = kSong105}},
      {Label, "Label17", "—", "Frame3", {840, 960, 495, 135}, {.font = kSong105}},
      {Label, "Label18", "  m", "Frame3", {720, 1080, 375, 255}},
      {Label, "Label19", "=", "Frame3", {1200, 1080, 135, 255}},
      {Label, "Label20", "", "Frame3", {1440, 1080, 2055, 255}, {.accessibleName = "√m"}},
      {Button, "Command6", "计  算", "Frame3", {3240, 1320, 1095, 375}},
      {Label, "Label21", "Log m =", "Frame3", {600, 1440, 735, 255}},
      {Label, "Label22", "", "Frame3", {1320, 1440, 1815, 255}, {.namedBy = "Label21"}},

      {Frame, "Frame2", "三角函数", "", {4680, 2040, 4455, 1935}},
      {Label, "Label23", "输入角度：", "Frame2", {120, 240, 975, 255}},
      {TextBox, "Text7", "", "Frame2", {1080, 240, 615, 270}, {.namedBy = "Label23"}},
      {Label, "Label24", "换为弧度：", "Frame2", {1920, 240, 975, 255}},
      {Label, "Label25", "", "Frame2", {2880, 240, 1455, 255}, {.namedBy = "Label24"}},
      {Label, "Label26", "sinα=", "Frame2", {120, 600, 615, 255}},
      {Label, "Label27", "", "Frame2", {720, 600, 1455, 255}, {.namedBy = "Label26"}},
      {Label, "Label28", "cosα=", "Frame2", {2160, 600, 615, 255}},
      {Label, "Label29", "", "Frame2", {2760, 600, 1575, 255}, {.namedBy = "Label28"}},
      {Label, "Label30", "tgα=", "Frame2", {120, 840, 495, 255}},
      {Label, "Label31", "", "Frame2", {600, 840, 1455, 255}, {.namedBy = "Label30"}},
      {Label, "Label32", "ctgα=", "Frame2", {2160, 840, 615, 255}},
      {Label, "Label33", "", "Frame2", {2760, 840, 1575, 255}, {.namedBy = "Label32"}},
      {Label, "Label34", "secα=", "Frame2", {120, 1080, 615, 255}},
      {Label, "Label35", "", "Frame2", {720, 1080, 1455, 255}, {.namedBy = "Label34"}},
      {Label, "Label36", "cscα=", "Frame2", {2160, 1080, 615, 255}},
      {Label, "Label37", "", "Frame2", {2760, 1080, 1575, 255}, {.namedBy = "Label36"}},
      {Button, "Command7", "计 算", "Frame2", {3360, 1440, 975, 375}},

      {Button, "Command2", "退 出", "", {8040, 4080, 975, 375}},
      workingButton({6840, 4080, 1095, 375}),
  };
  // clang-format on
  form.tabOrder = {"Text1", "Command1", "List1",    "Text2",       "Command3", "Text3",
                   "Text4", "Command4", "Text5",    "Text6",       "Command5", "Command6",
                   "Text7", "Command7", "Command2", kWorkingButton};
  form.firstFocus = "Text1";
  return form;
}

}  // namespace

// In the window's Tab order.
std::vector<ToolWindow::Handled<AlgebraWindow>> AlgebraWindow::panelTable() {
  return {
      {PanelId::Factorization, &AlgebraWindow::factorizeClicked},
      {PanelId::Factorial, &AlgebraWindow::factorialClicked},
      {PanelId::DivisorAndMultiple, &AlgebraWindow::divisorAndMultipleClicked},
      {PanelId::Power, &AlgebraWindow::powerClicked},
      {PanelId::RootAndLogarithm, &AlgebraWindow::rootAndLogarithmClicked},
      {PanelId::Trigonometry, &AlgebraWindow::trigonometryClicked},
  };
}

AlgebraWindow::AlgebraWindow(FormRegistry& registry)
    : ToolWindow(registry, algebraWindow(), panelTable(), "Command2") {}

void AlgebraWindow::factorizeClicked(const PanelEntry& panel) {
  // The caption changes first, even when the number then turns out too large.
  setCaption(panel.button, "重分解");
  addItem(panel.labels[0], factorize(factorization_, text(panel.boxes[0])));
}

void AlgebraWindow::factorialClicked(const PanelEntry& panel) {
  write(panel, {factorialCaption(text(panel.boxes[0]), format())});
}

void AlgebraWindow::divisorAndMultipleClicked(const PanelEntry& panel) {
  const auto t = texts(panel);
  write(panel, {divisorAndMultipleCaption(t[0], t[1], format())});
}

void AlgebraWindow::powerClicked(const PanelEntry& panel) {
  const auto t = texts(panel);
  write(panel, {powerCaption(t[0], t[1], format())});
}

void AlgebraWindow::rootAndLogarithmClicked(const PanelEntry& panel) {
  const RootAndLogarithm r = rootAndLogarithm(text(panel.boxes[0]), format());
  write(panel, {r.root, r.logarithm});
}

void AlgebraWindow::trigonometryClicked(const PanelEntry& panel) {
  // Label after label: a value that fails leaves those before it written.
  const double degrees = readDouble(text(panel.boxes[0]), format());
  for (std::size_t i = 0; i < std::size(kTrigSteps); ++i)
    setCaption(panel.labels[i], trigCaption(kTrigSteps[i], degrees, format()));
}

}  // namespace vorlinde
