#include "app/main_window.h"

#include "core/panels.h"
#include "forms/registry.h"
#include "windows/tool_windows.h"

namespace vorlinde {
namespace {

const char* const kTopics =
    "1.分解质因数\n2.求阶乘\n3.求最大公约数\n  与最小公倍数\n4.求某数的n次幂\n5.求某数的平方根\n"
    "6.求某数的对数\n7.角度换为弧度\n8.求正弦函数\n9.求余弦函数\n10.求正切函数\n11.求余切函数\n"
    "12.求正割函数\n13.求余割函数";

FormDescription mainWindow() {
  using enum ControlKind;
  FormDescription form{
      .name = "ForMain", .caption = "Vorlinde", .clientWidth = 5985, .clientHeight = 5700};
  // clang-format off
  form.controls = {
      {Picture, "Picture1", "", "", {240, 240, 5535, 855}, {.picture = ":/pictures/banner"}},
      {Frame, "Frame1", "代数", "", {240, 1200, 2175, 3735}},
      {MultiLineText, "Text1", kTopics, "Frame1", {240, 360, 1695, 2655}, {.backdrop = Backdrop::ButtonFace, .locked = true, .namedBy = "Frame1"}},
      {Button, "Command1", "进 入", "Frame1", {960, 3120, 975, 375}, {.description = "打开“代数”窗口"}},
      {Frame, "Frame2", "方程", "", {2520, 1200, 3255, 1215}},
      {Label, "Label1", "解一元二次方程 、", "Frame2", {240, 240, 1575, 255}},
      {Label, "Label7", "二元一次方程组", "Frame2", {480, 480, 1455, 255}},
      {Button, "Command2", "进 入", "Frame2", {2160, 240, 975, 375}, {.description = "打开“解方程”窗口"}},
      {Label, "Label2", "解线性方程组", "Frame2", {240, 840, 1095, 255}},
      {Button, "Command3", "进 入", "Frame2", {2160, 720, 975, 375}, {.description = "打开“解线性方程组”窗口"}},
      {Frame, "Frame3", "数列", "", {2520, 2520, 3255, 1095}},
      {Label, "Label3", "求等差数列的和", "Frame3", {120, 240, 1335, 255}},
      {Label, "Label5", "求等比数列的和", "Frame3", {120, 480, 1455, 255}},
      {Label, "Label4", "求特殊数列的和", "Frame3", {120, 720, 1335, 255}},
      {Button, "Command4", "进 入", "Frame3", {2160, 600, 975, 375}, {.description = "打开“求数列前n项的和”窗口"}},
      {Frame, "Frame4", "几何", "", {2520, 3720, 3255, 1215}},
      {Label, "Label6", "求三角形、矩形、梯形、圆形、扇形面积，圆柱体、圆锥体、球体体积", "Frame4", {120, 240, 3015, 615}},
      {Button, "Command5", "进 入", "Frame4", {2160, 720, 975, 375}, {.description = "打开“几何求积”窗口"}},
      {Image, "Image1", "", "", {360, 5040, 630, 600}, {.picture = ":/pictures/emblem"}},
      {Label, "Label9", "2007.11.28 更新", "", {1080, 5280, 1575, 255}},
      {Button, "Command6", "退 出", "", {4680, 5160, 975, 375}},
  };
  // clang-format on
  // The topic list comes last: read-only, but a screen reader reads it there.
  form.tabOrder = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Text1"};
  form.firstFocus = "Command1";
  return form;
}

}  // namespace

MainWindow::MainWindow(FormRegistry& registry) : Form(registry, mainWindow()) {}

void MainWindow::connectHandlers() {
  for (const WindowEntry& entry : toolWindows())
    onClick(entry.enter, [this, id = entry.id] { toolWindowOf(registry(), id).show(); });
  onClick("Command6", [this] { registry().endApplication(); });
}

}  // namespace vorlinde
