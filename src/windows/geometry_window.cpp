#include "windows/geometry_window.h"

#include <string>

#include "core/measures.h"
#include "core/messages.h"
#include "core/numbers.h"

namespace vorlinde {
namespace {

FormDescription geometryWindow() {
  using enum ControlKind;
  FormDescription form{
      .name = "Form5", .caption = "几何求积", .clientWidth = 7470, .clientHeight = 7245};
  // clang-format off
  form.controls = {
      {Frame, "Frame1", "一、求面积S", "", {240, 120, 6975, 4455}},
      {Label, "Label3", "1.求三角形面积", "Frame1", {120, 360, 1455, 255}},
      {Label, "Label4", "输入 底长：", "Frame1", {240, 720, 1095, 255}},
      {TextBox, "Text1", "", "Frame1", {1320, 600, 855, 270}, {.namedBy = "Label4", .description = "三角形的底"}},
      {Label, "Label5", "高度：", "Frame1", {2400, 720, 615, 255}},
      {TextBox, "Text2", "", "Frame1", {3000, 600, 855, 270}, {.namedBy = "Label5", .description = "三角形的高"}},
      {Label, "Label7", "", "Frame1", {3960, 600, 1815, 375}, {.namedBy = "Label3"}},
      {Button, "Command1", "求 积", "Frame1", {5760, 480, 975, 375}},
      {Label, "Label6", "或输入三边的长：", "Frame1", {240, 1080, 1575, 255}},
      {TextBox, "Text3", "", "Frame1", {1800, 960, 615, 270}, {.namedBy = "Label6", .description = "三角形的第一条边"}},
      {TextBox, "Text4", "", "Frame1", {2520, 960, 615, 270}, {.namedBy = "Label6", .description = "三角形的第二条边"}},
      {TextBox, "Text5", "", "Frame1", {3240, 960, 615, 270}, {.namedBy = "Label6", .description = "三角形的第三条边"}},
      {Label, "Label8", "", "Frame1", {3960, 960, 1815, 375}, {.namedBy = "Label6"}},
      {Button, "Command2", "求 积", "Frame1", {5760, 960, 975, 375}},
      {Label, "Label9", "2.求矩形和梯形面积", "Frame1", {120, 1440, 1815, 255}},
      {Label, "Label10", "输入 底长：", "Frame1", {240, 1800, 1095, 255}},
      {TextBox, "Text6", "", "Frame1", {1200, 1680, 855, 270}, {.namedBy = "Label10", .description = "矩形的长，梯形的下底"}},
      {Label, "Label11", "高度：", "Frame1", {2280, 1800, 735, 255}},
      {TextBox, "Text7", "", "Frame1", {3000, 1680, 855, 270}, {.namedBy = "Label11", .description = "矩形的宽，梯形的高"}},
      {Label, "Label12", "上底长：", "Frame1", {3960, 1800, 735, 255}},
      {TextBox, "Text8", "", "Frame1", {4800, 1680, 855, 270}, {.namedBy = "Label12", .description = "梯形的上底"}},
      {Label, "Label13", "矩形", "Frame1", {240, 2160, 375, 255}},
      {Label, "Label15", "", "Frame1", {840, 2160, 2535, 255}, {.namedBy = "Label13"}},
      {Button, "Command3", "求 积", "Frame1", {5760, 1920, 975, 375}},
      {Label, "Label14", "梯形", "Frame1", {240, 2520, 495, 255}},
      {Label, "Label16", "", "Frame1", {840, 2520, 2535, 255}, {.namedBy = "Label14"}},
      {Button, "Command4", "求 积", "Frame1", {5760, 2400, 975, 375}},
      {Label, "Label17", "3.求圆形和扇形面积", "Frame1", {120, 2880, 1815, 255}},
      {Label, "Label18", "输入 半径：", "Frame1", {240, 3240, 1095, 255}},
      {TextBox, "Text9", "", "Frame1", {1440, 3120, 855, 270}, {.namedBy = "Label18", .description = "圆形和扇形的半径"}},
      {Label, "Label19", "角度：", "Frame1", {2640, 3240, 615, 255}},
      {TextBox, "Text10", "", "Frame1", {3360, 3120, 975, 270}, {.namedBy = "Label19", .description = "扇形的角度"}},
      {Label, "Label20", "圆形", "Frame1", {240, 3600, 495, 255}},
      {Label, "Label21", "", "Frame1", {840, 3600, 3495, 255}, {.namedBy = "Label20"}},
      {Button, "Command5", "求 积", "Frame1", {5760, 3480, 975, 375}},
      {Label, "Label22", "扇形", "Frame1", {240, 3960, 495, 255}},
      {Label, "Label23", "", "Frame1", {840, 3960, 3495, 255}, {.namedBy = "Label22"}},
      {Button, "Command6", "求 积", "Frame1", {5760, 3960, 975, 375}},

      {Frame, "Frame2", "二、求体积V", "", {240, 4680, 6975, 1935}},
      {Label, "Label25", "输入 半径：", "Frame2", {240, 360, 1095, 255}},
      {TextBox, "Text11", "", "Frame2", {1440, 240, 855, 270}, {.namedBy = "Label25", .description = "圆柱体、圆锥体和球体的半径"}},
      {Label, "Label26", "高度：", "Frame2", {2520, 360, 615, 255}},
      {TextBox, "Text12", "", "Frame2", {3240, 240, 855, 270}, {.namedBy = "Label26", .description = "圆柱体和圆锥体的高"}},
      {Label, "Label27", "1.圆柱体", "Frame2", {240, 720, 735, 255}},
      {Label, "Label28", "", "Frame2", {1200, 720, 2895, 255}, {.namedBy = "Label27"}},
      {Button, "Command7", "求 积", "Frame2", {5760, 480, 975, 375}},
      {Label, "Label29", "2.圆锥体", "Frame2", {240, 1080, 735, 255}},
      {Label, "Label30", "", "Frame2", {1200, 1080, 2895, 255}, {.namedBy = "Label29"}},
      {Button, "Command8", "求 积", "Frame2", {5760, 960, 975, 375}},
      {Label, "Label31", "3.球体", "Frame2", {240, 1440, 735, 255}},
      {Label, "Label32", "", "Frame2", {1200, 1440, 2895, 255}, {.namedBy = "Label31"}},
      {Button, "Command9", "求 积", "Frame2", {5760, 1440, 975, 375}},

      {Button, "Command10", "退 出", "", {6000, 6720, 975, 375}},
      workingButton({4800, 6720, 1095, 375}),
  };
  // clang-format on
  form.tabOrder = {"Text1",    "Text2",    "Command1", "Text3",     "Text4",       "Text5",
                   "Command2", "Text6",    "Text7",    "Text8",     "Command3",    "Command4",
                   "Text9",    "Text10",   "Command5", "Command6",  "Text11",      "Text12",
                   "Command7", "Command8", "Command9", "Command10", kWorkingButton};
  form.firstFocus = "Text1";
  return form;
}

}  // namespace

// The nine figures. The rectangle leaves Text8 alone, the circle Text10 and the
// sphere Text12: a box a row does not read is not tested either.
std::vector<ToolWindow::Handled<GeometryWindow>> GeometryWindow::panelTable() {
  using V = std::vector<Real>;
  // The row's handler: the figure's measure applied to its boxes.
  const auto measuring = [](Measure measure) {
    return [measure](GeometryWindow& w, const PanelEntry& panel) { w.compute(panel, measure); };
  };
  return {
      {PanelId::Triangle,
       measuring([](const V& v) -> std::optional<Real> { return triangleArea(v[0], v[1]); })},
      {PanelId::TriangleBySides,
       measuring([](const V& v) { return triangleAreaFromSides(v[0], v[1], v[2]); })},
      {PanelId::Rectangle,
       measuring([](const V& v) -> std::optional<Real> { return rectangleArea(v[0], v[1]); })},
      {PanelId::Trapezoid, measuring([](const V& v) -> std::optional<Real> {
         return trapezoidArea(v[0], v[1], v[2]);
       })},
      {PanelId::Circle,
       measuring([](const V& v) -> std::optional<Real> { return circleArea(v[0]); })},
      {PanelId::Sector,
       measuring([](const V& v) -> std::optional<Real> { return sectorArea(v[0], v[1]); })},
      {PanelId::Cylinder,
       measuring([](const V& v) -> std::optional<Real> { return cylinderVolume(v[0], v[1]); })},
      {PanelId::Cone,
       measuring([](const V& v) -> std::optional<Real> { return coneVolume(v[0], v[1]); })},
      {PanelId::Sphere,
       measuring([](const V& v) -> std::optional<Real> { return sphereVolume(v[0]); })},
  };
}

GeometryWindow::GeometryWindow(FormRegistry& registry)
    : ToolWindow(registry, geometryWindow(), panelTable(), "Command10") {}

void GeometryWindow::compute(const PanelEntry& panel, Measure measure) {
  std::vector<Real> values;
  for (const std::string& box : panel.boxes)
    values.push_back(readDouble(text(box), format()));
  const std::optional<Real> result = measurable(values) ? measure(values) : std::nullopt;
  write(panel, {result ? kMeasurePrefix + numberText(result->value(), format()) : kRefusedInput});
}

}  // namespace vorlinde
