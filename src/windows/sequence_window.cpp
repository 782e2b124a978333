#include "windows/sequence_window.h"

#include "core/numbers.h"
#include "core/series.h"

namespace vorlinde {
namespace {

FormDescription sequenceWindow() {
  using enum ControlKind;
  FormDescription form;
  form.name = "Form4";
  form.caption = "求数列前n项的和";
  form.clientWidth = 5730;
  form.clientHeight = 6435;
  // clang-format off
  form.controls = {
      // Panel 1: the arithmetic sequence.
      {Label, "Label8", "1.求等差数列的和", "", {240, 240, 1575, 255}},
      {Label, "Label9", "输入a1：", "", {480, 600, 735, 255}},
      {TextBox, "Text5", "", "", {1200, 480, 975, 270}, {.namedBy = "Label9", .description = "等差数列的首项"}},
      {Label, "Label10", "d：", "", {2400, 480, 375, 255}},
      {TextBox, "Text6", "", "", {2880, 480, 975, 270}, {.namedBy = "Label10", .description = "等差数列的公差"}},
      {Label, "Label11", "n：", "", {3960, 480, 375, 255}},
      {TextBox, "Text7", "", "", {4440, 480, 975, 270}, {.namedBy = "Label11", .description = "等差数列的项数"}},
      {Label, "Label12", "第n项的值、前n项的和分别是：", "", {480, 960, 2535, 255}},
      {Label, "Label30", "", "", {480, 1320, 1095, 255}, {.namedBy = "Label12", .description = "等差数列第n项的值"}},
      {Label, "Label31", "", "", {1800, 1320, 1575, 255}, {.namedBy = "Label12", .description = "等差数列前n项的和"}},
      {Button, "Command4", "计 算", "", {4440, 1200, 975, 375}},

      // Panel 2: the geometric sequence.
      {Label, "Label3", "2.求等比数列的和(q≠1)", "", {240, 1680, 2055, 255}},
      {Label, "Label4", "输入a1：", "", {480, 2040, 735, 255}},
      {TextBox, "Text2", "", "", {1200, 1920, 975, 270}, {.namedBy = "Label4", .description = "等比数列的首项"}},
      {Label, "Label5", "q：", "", {2400, 1920, 375, 255}},
      {TextBox, "Text3", "", "", {2880, 1920, 975, 270}, {.namedBy = "Label5", .description = "等比数列的公比"}},
      {Label, "Label6", "n：", "", {3960, 1920, 375, 255}},
      {TextBox, "Text4", "", "", {4440, 1920, 975, 270}, {.namedBy = "Label6", .description = "等比数列的项数"}},
      {Label, "Label7", "第n项的值、前n项的和分别是：", "", {480, 2400, 2655, 255}},
      {Label, "Label28", "", "", {480, 2760, 1095, 375}, {.namedBy = "Label7", .description = "等比数列第n项的值"}},
      {Label, "Label29", "", "", {1800, 2760, 1575, 375}, {.namedBy = "Label7", .description = "等比数列前n项的和"}},
      {Button, "Command3", "计 算", "", {4440, 2760, 975, 375}},

      // Panel 3: the special series. The exponent labels stand 120 twips above
      // their row, in the gaps the row captions leave for them.
      {Label, "Label1", "3.求特殊数列前n项的和", "", {240, 3240, 2055, 255}},
      {Label, "Label2", "输入n：", "", {480, 3600, 735, 255}},
      {TextBox, "Text1", "", "", {1200, 3600, 975, 270}, {.namedBy = "Label2", .description = "特殊数列的项数"}},
      {Button, "Command1", "计 算", "", {4440, 3600, 975, 375}},
      {Label, "Label21", "1+2+3+……+n=", "", {360, 4080, 1215, 255}},
      {Label, "Label14", "", "", {1680, 4080, 735, 255}, {.namedBy = "Label21"}},
      {Label, "Label22", "1+3+5+……+(2n-1) =", "", {2520, 4080, 1815, 255}},
      {Label, "Label15", "", "", {4440, 4080, 975, 255}, {.namedBy = "Label22"}},
      {Label, "Label23", "2+4+6+……+2n=", "", {360, 4440, 1335, 255}},
      {Label, "Label16", "", "", {1800, 4440, 615, 255}, {.namedBy = "Label23"}},
      {Label, "Label24", "1  +2  +3  +……+n  =", "", {2520, 4440, 1935, 255}},
      {Label, "Label13", "2", "", {2640, 4320, 135, 255}},
      {Label, "Label32", "2", "", {3000, 4320, 135, 255}},
      {Label, "Label33", "2", "", {3360, 4320, 135, 255}},
      {Label, "Label34", "2", "", {4200, 4320, 135, 255}},
      {Label, "Label17", "", "", {4560, 4440, 855, 255}, {.accessibleName = "1²+2²+3²+……+n²"}},
      {Label, "Label25", "1  +2  +3  +……+n  =", "", {360, 4800, 1935, 255}},
      {Label, "Label35", "3", "", {480, 4680, 135, 255}},
      {Label, "Label36", "3", "", {840, 4680, 135, 255}},
      {Label, "Label37", "3", "", {1200, 4680, 135, 255}},
      {Label, "Label38", "3", "", {2040, 4680, 135, 255}},
      {Label, "Label18", "", "", {2400, 4800, 975, 255}, {.accessibleName = "1³+2³+3³+……+n³"}},
      {Label, "Label26", "1×2+2×3+3×4+……+n(n+1) =", "", {360, 5040, 2535, 255}},
      {Label, "Label19", "", "", {3000, 5040, 1215, 255}, {.namedBy = "Label26"}},
      // 1/(1×2)+1/(2×3)+1/(3×4)+……+1/(n(n+1)) as three stacked lines.
      {Label, "Label39", " 1    1    1          1", "", {360, 5280, 2655, 135}},
      {Label, "Label40", "——+——+——+……+———=", "", {360, 5400, 2535, 135}},
      {Label, "Label41", "1×2 2×3 3×4      n(n+1)", "", {360, 5520, 2535, 255}},
      {Label, "Label20", "", "", {2880, 5400, 1695, 255}, {.accessibleName = "1/(1×2)+1/(2×3)+1/(3×4)+……+1/(n(n+1))"}},

      {Button, "Command2", "退 出", "", {4440, 5880, 975, 375}},
      workingButton({3240, 5880, 1095, 375}),
  };
  // clang-format on
  // From the bottom panel upwards: the pupil starts with the special series.
  form.tabOrder = {"Text1", "Command1", "Text2", "Text3",    "Text4",    "Command3",
                   "Text5", "Text6",    "Text7", "Command4", "Command2", kWorkingButton};
  form.firstFocus = "Text1";
  return form;
}

}  // namespace

// From the bottom panel upwards, as the Tab order runs.
std::vector<ToolWindow::Handled<SequenceWindow>> SequenceWindow::panelTable() {
  return {
      {PanelId::SpecialSeries, &SequenceWindow::specialSeriesClicked},
      {PanelId::GeometricSequence, &SequenceWindow::geometricClicked},
      {PanelId::ArithmeticSequence, &SequenceWindow::arithmeticClicked},
  };
}

SequenceWindow::SequenceWindow(FormRegistry& registry)
    : ToolWindow(registry, sequenceWindow(), panelTable(), "Command2") {}

// Each handler has every result in hand before it writes the first label, so a
// run-time error leaves the whole panel as it was.
void SequenceWindow::arithmeticClicked(const PanelEntry& panel) {
  const auto t = texts(panel);
  const auto shown = arithmeticPanel(t[0], t[1], t[2], format());
  write(panel, {shown.begin(), shown.end()});
}

void SequenceWindow::geometricClicked(const PanelEntry& panel) {
  const auto t = texts(panel);
  const auto shown = geometricPanel(t[0], t[1], t[2], format());
  write(panel, {shown.begin(), shown.end()});
}

void SequenceWindow::specialSeriesClicked(const PanelEntry& panel) {
  const auto shown = specialSeriesPanel(text(panel.boxes[0]), format());
  write(panel, {shown.begin(), shown.end()});
}

// An n below 1 never gets here: the panel refuses it in its labels.
}  // namespace vorlinde
