// The working of the linear-system window: the grid as read, the system, and its solution.

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "exact/notation.h"
#include "steps/linear_system/gauss.h"
#include "steps/linear_system/panels.h"
#include "steps/linear_system/window_run.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/equation_figures.h"
#include "steps/shared/equation_text.h"
#include "steps/shared/values.h"

namespace vorlinde::steps {
namespace {

using exact::Rational;
using gauss::Matrix;

// At most this many boxes are named one by one in a given line.
constexpr std::size_t kMostListed = 12;
constexpr std::size_t kMostQuirks = 8;
// Systems of up to this many unknowns are also written out as equations.
constexpr int kMostWrittenOut = 5;

// The grid as the click read it, row by row: n coefficients, then the right-hand side.
struct Grid {
  std::vector<std::vector<std::string>> texts;
  Matrix values;
  std::vector<std::string> beyond;  // boxes whose number lies beyond the doubles
};

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// a₁₂ for the coefficient of x₂ in the first equation, b₁ for its right-hand side;
// a comma between the indices where one of them has two digits.
std::string boxName(int i, int j, int n) {
  if (j == n) return notation::var("b") + notation::sub(std::to_string(i + 1));
  const std::string comma = n >= 10 ? "," : "";
  return notation::var("a") + notation::sub(std::to_string(i + 1) + comma + std::to_string(j + 1));
}

Grid readGrid(const Calculation& c, int n) {
  Grid g;
  for (int i = 0; i < n; ++i) {
    g.texts.emplace_back();
    g.values.emplace_back();
    for (int j = 0; j <= n; ++j) {
      const std::size_t at = static_cast<std::size_t>(i * (n + 1) + j);
      const std::string text = at < c.texts.size() ? c.texts[at] : "";
      const std::optional<Rational> value = exact::readLenient(text);
      if (!value) g.beyond.push_back(boxName(i, j, n) + "（“" + notation::literal(text) + "”）");
      g.texts.back().push_back(text);
      g.values.back().push_back(value.value_or(0));
    }
  }
  return g;
}

std::string listed(const std::vector<std::string>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size() && i < kMostListed; ++i)
    out += (i ? "、" : "") + names[i];
  if (names.size() > kMostListed) out += " 等 " + std::to_string(names.size()) + " 个格子";
  return out;
}

// The boxes read otherwise than they are written: empty ones as 0, "12.5cm" as 25/2.
void givenLines(Working& w, const Grid& g, const NumberFormat& f) {
  const int n = static_cast<int>(g.values.size());
  std::vector<std::string> empty, quirks;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j <= n; ++j) {
      const std::string text = trimmed(g.texts[i][j]);
      const std::string read = eq::number(g.values[i][j], f);
      // A number the strict test takes, "0.1" or "1E-20", is read as written.
      const std::optional<Rational> strict = exact::readStrict(text, f);
      if (text.empty())
        empty.push_back(boxName(i, j, n));
      else if (!strict || *strict != g.values[i][j])
        quirks.push_back(boxName(i, j, n) + " 格中“" + notation::literal(text) + "”按 " + read +
                         " 读入");
    }
  }
  for (std::size_t k = 0; k < quirks.size() && k < kMostQuirks; ++k)
    line(w, LineKind::Given, quirks[k]);
  if (quirks.size() > kMostQuirks)
    line(w, LineKind::Given,
         "另有 " + std::to_string(quirks.size() - kMostQuirks) + " 个格子也只读出了开头的数");
  if (!empty.empty()) line(w, LineKind::Given, "空着的格子按 0 读入：" + listed(empty));
}

// For two unknowns, the two lines in the x₁x₂ plane.
Figure planeFigure(const Matrix& m, const std::optional<std::vector<Rational>>& x,
                   const NumberFormat& f) {
  std::optional<std::array<Rational, 2>> meeting;
  if (x) meeting = std::array<Rational, 2>{(*x)[0], (*x)[1]};
  Figure figure = eq::linesFigure(
      {eq::PlaneLine{m[0][0], m[0][1], m[0][2], "R₁"}, {m[1][0], m[1][1], m[1][2], "R₂"}}, meeting,
      f);
  figure.caption += "（横轴为 x₁，纵轴为 x₂）";
  return figure;
}

std::vector<std::string> solve(Working& w, const Calculation& c, const Grid& g) {
  const NumberFormat& f = c.format;
  line(w, LineKind::Method, "解法：高斯消元法（对增广矩阵作初等行变换）");
  line(w, LineKind::Step, "增广矩阵：");
  gauss::matrixRows(w, g.values, f);
  const gauss::Echelon e = gauss::eliminate(w, g.values, f);
  std::optional<std::vector<Rational>> x;
  std::vector<std::string> items;
  if (e.pivots.size() == g.values.size()) {
    x = gauss::backSubstitute(w, e, f);
    for (std::size_t i = 0; i < x->size(); ++i)
      items.push_back(answerItem(eq::unknown(static_cast<int>(i) + 1), exact::show((*x)[i], f)));
  } else {
    items.push_back(gauss::inconsistent(w, e, f) ? "方程组无解" : "方程组有无穷多解");
  }
  linear::windowNotes(w, c, linear::rerun(g.texts), x);
  if (g.values.size() == 2) w.figure = planeFigure(g.values, x, f);
  return items;
}

}  // namespace

Working linearSystemWorking(const Calculation& c) {
  const int n = c.unknowns;
  Working w = begin("解线性方程组", std::to_string(n) + " 元线性方程组");
  if (n < 1 || n > 10) {
    line(w, LineKind::Note, "未知数的个数必须是 1 到 10 之间的整数，窗口没有列出方程组。");
    answer(w, {"无法求解"});
    return w;
  }
  const Grid g = readGrid(c, n);
  line(w, LineKind::Given,
       notation::formula("未知数的个数 n = ") + std::to_string(n) + "，格子按宽松读法读入");
  givenLines(w, g, c.format);
  if (!g.beyond.empty()) {
    windowNote(w, c, listed(g.beyond) + " 中的数超出了窗口能表示的范围，无法计算。");
    answer(w, {"有的数超出了范围，无法求解"});
    return w;
  }
  // A large system is read from its matrix; written out as well it would only
  // lengthen the working.
  if (n <= kMostWrittenOut) {
    line(w, LineKind::Step, "方程组：");
    for (const std::vector<Rational>& row : g.values)
      line(w, LineKind::Step, gauss::rowEquation(row, 0, c.format));
  }
  answer(w, solve(w, c, g));
  return w;
}

}  // namespace vorlinde::steps
