#include "windows/linear_system_window.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

#include "core/arithmetic.h"
#include "core/linear_system.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/result_text.h"

namespace vorlinde {
namespace {

constexpr int kCoefficientBoxes = 100;
// Below "确定" while no grid stands; beside "计 算" once one is laid out.
constexpr Twips kWorkingPlace{3720, 600, 1095, 375};
constexpr int kRows = LinearSystem::kMaxUnknowns;
// What the grid's message boxes say first, an empty line before the message itself.
constexpr const char* kNoUniqueSolution =
    "这个方程组没有唯一解（或者非常接近没有唯一解），求不出可靠的结果。解题过程里写了原因。";

std::string element(const char* name, int index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

std::string explained(const char* sentence, const char* message) {
  return std::string(sentence) + "\n\n" + message;
}

// Tab runs as the pupil reads: the count, "确定", then the n rows laid out, each
// row's coefficients and then its right-hand side, then "计 算" and the working.
std::vector<std::string> gridTabOrder(int n) {
  std::vector<std::string> order = {"TxtNum", "Command2"};
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j)
      order.push_back(element("Text1", i * n + j));
    order.push_back(element("Text2", i));
  }
  order.push_back("Command1");
  order.push_back(kWorkingButton);
  return order;
}

FormDescription gridWindow() {
  using enum ControlKind;
  const Style autoSize{.autoSize = true};
  // The header spaces its column numbers with blanks, so it needs letters of one width.
  const Style header{.font = {"WenQuanYi Micro Hei Mono", 9}, .autoSize = true};
  FormDescription form;
  form.name = "Form3";
  form.caption = "解线性方程组";
  form.clientWidth = 4920;
  form.clientHeight = 3615;
  form.icon = "grid";
  form.keepOnScreen = true;  // ten unknowns make it wider than it opens
  auto& c = form.controls;
  c = {
      {Label, "Label2", "输入未知数个数：", "", {120, 240, 1440, 180}, autoSize},
      {TextBox, "TxtNum", "", "", {1680, 120, 1815, 375}, {.namedBy = "Label2"}},
      {Button, "Command2", "确定", "", {3720, 120, 735, 375}},
      {Label, "Label1", "Label1", "", {240, 1680, 540, 180}, header},
      {Label, "Label3", "Label3", "", {240, 2040, 540, 180}, autoSize},
  };
  // The grid's controls wait, stacked, until "确定" places them.
  const Twips stacked{3240, 960, 735, 375};
  for (int k = 0; k < kCoefficientBoxes; ++k)
    c.push_back({TextBox, "Text1", "", "", k == 0 ? Twips{960, 960, 735, 375} : stacked, {}, k});
  for (int k = 0; k < kRows; ++k)
    c.push_back({TextBox, "Text2", "", "", k == 0 ? Twips{960, 1560, 735, 375} : stacked, {}, k});
  // The results are named "x1", "x2", … when the grid is laid out; until then by
  // the caption of their row.
  const Style result{.autoSize = true, .namedBy = "Label4"};
  for (int k = 0; k < kRows; ++k)
    c.push_back({Label, "Label5", "Label5", "",
                 k == 0 ? Twips{240, 2520, 540, 180} : Twips{3240, 960, 540, 180}, result, k});
  c.push_back({Label, "Label4", "结果：", "", {240, 2520, 540, 180}, autoSize});
  c.push_back({Button, "Command1", "计 算", "", {3000, 3000, 1095, 375}});
  c.push_back(workingButton(kWorkingPlace));

  form.tabOrder = gridTabOrder(0);
  form.firstFocus = "TxtNum";
  return form;
}

// The row numbers are one caption, a digit and four blanks per row. Drawn as it
// stands it would be one line (or, wrapped, a column of lines closer together
// than the rows), so each digit is drawn level with the middle of its own row.
class RowNumbers : public QObject {
 public:
  RowNumbers(QLabel* label, int rowPixels) : QObject(label), rowPixels_(rowPixels) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || event->type() != QEvent::Paint) return false;
    QPainter painter(label);
    painter.setFont(label->font());
    const QStringList digits = label->text().split(' ', Qt::SkipEmptyParts);
    for (int row = 0; row < digits.size(); ++row)
      painter.drawText(QRect(0, row * rowPixels_, label->width(), rowPixels_),
                       Qt::AlignHCenter | Qt::AlignVCenter, digits[row]);
    return true;
  }

 private:
  int rowPixels_;
};

// The header stands its column numbers apart with blanks, nine letters to a
// column of boxes; its letters are spaced so that nine of them span one column.
void spaceHeader(QLabel* header, double columnPixels) {
  QFont font = header->font();
  const double advance = QFontMetricsF(font).horizontalAdvance(' ');
  font.setLetterSpacing(QFont::AbsoluteSpacing, columnPixels / 9 - advance);
  header->setFont(font);
}

}  // namespace

// "确定" only lays the grid out; "计 算" reads the boxes of the laid-out rows,
// leniently, so it has no guard.
std::vector<ToolWindow::Handled<LinearSystemWindow>> LinearSystemWindow::panelTable() {
  return {
      {PanelId::GridCount, &LinearSystemWindow::layOutClicked},
      {PanelId::LinearSystem, &LinearSystemWindow::solveClicked},
  };
}

LinearSystemWindow::LinearSystemWindow(FormRegistry& registry)
    : ToolWindow(registry, gridWindow(), panelTable(), nullptr) {}

void LinearSystemWindow::onLoad() {
  const Twips box = place("Text1(0)");
  if (QLabel* header = label("Label1"))
    spaceHeader(header, (box.width + 50) / double(kTwipsPerPixel));
  if (QLabel* rows = label("Label3"))
    rows->installEventFilter(new RowNumbers(rows, toPixels(box.height)));
  resetGrid();
}

// The load handler, and the first step of every accepted "确定": back to the count alone.
void LinearSystemWindow::resetGrid() {
  // Only boxes that hold something are emptied: emptying an empty box would still
  // lay its text out, a hundred and ten times over at every load.
  const auto empty = [this](const std::string& box) {
    setVisible(box, false);
    if (!text(box).empty()) setText(box, "");
  };
  for (int k = 0; k < kCoefficientBoxes; ++k)
    empty(element("Text1", k));
  for (int k = 0; k < kRows; ++k) {
    empty(element("Text2", k));
    setVisible(element("Label5", k), false);
  }
  for (const char* name : {"Label3", "Label1", "Label4", "Command1"})
    setVisible(name, false);
  move(kWorkingButton, kWorkingPlace);
  setOuterHeight(2000);
  laidOut_ = 0;
}

// A count that is refused changes nothing but the message: the grid, its numbers
// and the count "计 算" solves with stay. An accepted one lays the grid out again
// with every number in its row and column, where the new grid still has them.
void LinearSystemWindow::layOutClicked(const PanelEntry& panel) {
  const int n = roundToInt16(readLenient(text(panel.boxes[0])));
  if (n > LinearSystem::kMaxUnknowns || n < 1) {
    messageBox(explained(kUnknownCountAdvice, n < 1 ? kTooFewUnknowns : kTooManyUnknowns));
    setFocus("TxtNum");
    if (QLineEdit* count = textBox("TxtNum")) count->selectAll();
    return;
  }
  const std::vector<std::vector<std::string>> typed = typedRows();
  resetGrid();
  sharedSystem().unknownCount = static_cast<std::int16_t>(n);
  layOutGrid(n);
  refill(typed);
  setFocus("Text1(0)");
}

// The texts of the grid laid out, row by row, each row's right-hand side last.
std::vector<std::vector<std::string>> LinearSystemWindow::typedRows() const {
  std::vector<std::vector<std::string>> rows(laidOut_);
  for (int i = 0; i < laidOut_; ++i) {
    for (int j = 0; j < laidOut_; ++j)
      rows[i].push_back(text(element("Text1", i * laidOut_ + j)));
    rows[i].push_back(text(element("Text2", i)));
  }
  return rows;
}

// Puts the texts back into the rows and columns the grid laid out still has.
void LinearSystemWindow::refill(const std::vector<std::vector<std::string>>& rows) {
  const auto put = [this](const std::string& box, const std::string& typed) {
    if (!typed.empty()) setText(box, typed);
  };
  const int n = laidOut_, kept = std::min<int>(n, rows.size());
  for (int i = 0; i < kept; ++i) {
    for (int j = 0; j < kept; ++j)
      put(element("Text1", i * n + j), rows[i][j]);
    put(element("Text2", i), rows[i].back());
  }
}

void LinearSystemWindow::layOutGrid(int n) {
  const Twips first = place("Text1(0)");
  const int T = first.top, W = first.width, H = first.height;
  setCaption("Label1", "  a(x,y) ");
  Twips header = place("Label1");
  move("Label1", {header.left, T - 320, header.width, 300});
  setCaption("Label3", "");
  moveTo("Label3", place("Label3").left, T);

  GridCursor at;
  for (int m = 1; m <= n; ++m)
    layOutRow(m, n, at);
  const Int16 left = at.left, top = at.top;
  laidOut_ = n;
  setTabOrder(gridTabOrder(n));

  moveTo("Label1", 100, place("Label1").top);
  move("Label3", {300, place("Label3").top, 100, top.value() - place("Label3").top + 500});
  setCaption("Label1", caption("Label1") + "b");
  moveTo("Command1", (left - 1000).value(), top.value() + 2 * H);
  moveTo(kWorkingButton, (left + 295).value(), top.value() + 2 * H);
  moveTo("Label4", 50, place("Label5(0)").top + 10);
  for (const char* name : {"Label3", "Label1", "Command1"})
    setVisible(name, true);
  // Never narrower than the window opened, so "确定" stays within reach.
  const int openedWidth = description().clientWidth + kFrameWidth;
  setOuterWidth(std::max(left.value() + W + 1000, openedWidth));
  setOuterHeight(place("Command1").top + 1000);
}

// Row m: its header number, its boxes left to right, its right-hand side and its
// row number; the result labels go under the boxes of the last row.
void LinearSystemWindow::layOutRow(int m, int n, GridCursor& at) {
  const Twips first = place("Text1(0)");
  const int T = first.top, W = first.width, H = first.height;
  at.left = 600;
  setCaption("Label1", caption("Label1") + paddedText(m) + "       ");
  for (int l = 1; l <= n; ++l) {
    at.top = roundToInt16((m - 1) * H + T);
    const std::string box = element("Text1", at.count.value());
    move(box, {at.left.value(), at.top.value(), W, H});
    setVisible(box, true);
    // The grid's boxes have no caption beside them; a screen reader names them
    // as the header writes them: a(i,j), b(i), and xj for the results.
    const std::string row = std::to_string(m), column = std::to_string(l);
    nameAs(box, "a(" + row + "," + column + ")", "第" + row + "个方程中x" + column + "的系数");
    if (m == n) {
      move(element("Label5", l - 1), {at.left.value(), at.top.value() + H + 80, W, H});
      nameAs(element("Label5", l - 1), "x" + column);
    }
    at.left = at.left + W + 50;
    at.count = at.count + 1;
  }
  move(element("Text2", m - 1), {at.left.value(), at.top.value(), W, H});
  setVisible(element("Text2", m - 1), true);
  nameAs(element("Text2", m - 1), "b(" + std::to_string(m) + ")",
         "第" + std::to_string(m) + "个方程等号右边的数");
  // Only the last digit: the tenth row is numbered 0.
  setCaption("Label3", caption("Label3") + paddedText(m).back() + "    ");
}

void LinearSystemWindow::solveClicked(const PanelEntry&) {
  LinearSystem& system = sharedSystem();
  const int n = system.unknownCount;
  // Hidden first: a solve that fails, or stops on an overflow, must not leave an
  // earlier system's answer standing as if it were this one's.
  hideResults();
  Int16 count = 0;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      system.coefficients[i][j] = readBox(element("Text1", count.value()));
      count = count + 1;
    }
    system.rightHandSides[i] = readBox(element("Text2", i - 1));
  }
  if (!system.gaussSolve()) {
    messageBox(explained(kNoUniqueSolution, kGaussFailed));
    return;
  }
  for (int i = 1; i <= n; ++i) {
    setCaption(element("Label5", i - 1), resultText(system.solution[i].value()));
    setVisible(element("Label5", i - 1), true);
  }
  setVisible("Label4", true);
}

void LinearSystemWindow::hideResults() {
  for (int k = 0; k < kRows; ++k)
    setVisible(element("Label5", k), false);
  setVisible("Label4", false);
}

// Lenient reading; a number beyond the double range is an overflow.
Real LinearSystemWindow::readBox(const std::string& box) const {
  return Real(readLenient(text(box)));
}

// Moves a control and keeps its size.
void LinearSystemWindow::moveTo(const std::string& control, int left, int top) {
  Twips p = place(control);
  move(control, {left, top, p.width, p.height});
}

// "计 算" reads the laid-out rows only: each row's coefficients, then its right-hand side.
std::vector<std::string> LinearSystemWindow::boxesRead(const PanelEntry& panel) const {
  if (panel.id != PanelId::LinearSystem) return panel.boxes;
  const int n = unknowns();
  std::vector<std::string> boxes;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j)
      boxes.push_back(element("Text1", i * n + j));
    boxes.push_back(element("Text2", i));
  }
  return boxes;
}

int LinearSystemWindow::unknowns() const {
  return std::clamp<int>(sharedSystem().unknownCount, 0, LinearSystem::kMaxUnknowns);
}

}  // namespace vorlinde
