// Gaussian elimination in exact fractions, back substitution and the ranks, as taught.

#include "steps/linear_system/gauss.h"

#include <algorithm>
#include <utility>

#include "exact/notation.h"
#include "steps/shared/common.h"
#include "steps/shared/equation_text.h"

namespace vorlinde::steps::gauss {
namespace {

constexpr std::size_t kMatrixAfterEveryColumn = 4;

using eq::rowName;
using eq::unknown;

// At most this many values are named in a substitution; more are "the values found".
constexpr std::size_t kMostNamed = 3;

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string out;
  for (const std::string& p : parts)
    out += (out.empty() ? "" : separator) + p;
  return out;
}

// "R₂ - 2R₁ → R₂": row target minus factor times row source.
std::string operation(int target, const Rational& factor, int source, const NumberFormat& f) {
  const std::string size = abs(factor) == 1 ? "" : eq::number(Rational(abs(factor)), f);
  return rowName(target + 1) + (sgn(factor) > 0 ? " - " : " + ") + size + rowName(source + 1) +
         " → " + rowName(target + 1);
}

void subtractRow(Matrix& m, std::size_t target, std::size_t source, const Rational& factor) {
  for (std::size_t j = 0; j < m[target].size(); ++j)
    m[target][j] -= factor * m[source][j];
}

// Eliminates column k below row r, its pivot row; the operations as written.
std::vector<std::string> clearColumn(Matrix& m, std::size_t r, std::size_t k,
                                     const NumberFormat& f) {
  std::vector<std::string> ops;
  for (std::size_t p = r; p < m.size(); ++p) {
    if (m[p][k] == 0) continue;
    if (p != r) {
      std::swap(m[p], m[r]);
      ops.push_back(rowName(r + 1) + " ↔ " + rowName(p + 1));
    }
    break;
  }
  for (std::size_t i = r + 1; i < m.size(); ++i) {
    if (m[i][k] == 0) continue;
    const Rational factor = m[i][k] / m[r][k];
    subtractRow(m, i, r, factor);
    ops.push_back(operation(i, factor, r, f));
  }
  return ops;
}

// Row r's equation and the values found put into it: "2x₂ + x₃ = 7，代入 x₃ = 3".
// Past a few values the equation is not written again: the matrix above shows it.
std::string substitution(const std::vector<Rational>& row, std::size_t r,
                         const std::vector<Rational>& x, const NumberFormat& f) {
  std::vector<std::string> named;
  for (std::size_t j = r + 1; j < x.size(); ++j)
    if (row[j] != 0) named.push_back(unknown(j + 1) + " = " + eq::number(x[j], f));
  if (named.size() > kMostNamed)
    return "代入上面求出的 " + unknown(r + 2) + "～" + unknown(x.size());
  const std::string equation = rowEquation(row, r, f);
  return named.empty() ? equation : equation + "，代入 " + joined(named, "、");
}

// The reduced row-echelon form: each pivot 1, with zeros above it too.
Matrix reduced(const Echelon& e) {
  Matrix m = e.m;
  for (std::size_t t = 0; t < e.pivots.size(); ++t) {
    const std::size_t k = e.pivots[t];
    const Rational pivot = m[t][k];
    for (Rational& v : m[t])
      v /= pivot;
    for (std::size_t u = 0; u < t; ++u)
      if (m[u][k] != 0) subtractRow(m, u, t, Rational(m[u][k]));
  }
  return m;
}

void generalSolution(Working& w, const Echelon& e, const NumberFormat& f) {
  const Matrix m = reduced(e);
  const std::size_t n = m.size();
  std::vector<bool> pivot(n, false);
  for (int k : e.pivots)
    pivot[k] = true;
  std::vector<std::string> freeOnes, lines;
  for (std::size_t j = 0; j < n; ++j)
    if (!pivot[j]) freeOnes.push_back(unknown(j + 1));
  for (std::size_t t = 0; t < e.pivots.size(); ++t) {
    std::vector<eq::Term> terms{{m[t][n], ""}};
    for (std::size_t j = 0; j < n; ++j)
      if (!pivot[j]) terms.push_back({-m[t][j], unknown(j + 1)});
    lines.push_back(unknown(e.pivots[t] + 1) + " = " + eq::sum(terms, f));
  }
  const std::string any = joined(freeOnes, "、") + " 取任意数";
  line(w, LineKind::Note,
       lines.empty() ? "任何一组数都是解：" + any
                     : "通解：" + joined(lines, "，") + "，其中 " + any);
}

}  // namespace

std::string rowEquation(const std::vector<Rational>& row, std::size_t from, const NumberFormat& f) {
  std::vector<eq::Term> terms;
  for (std::size_t j = from; j + 1 < row.size(); ++j)
    terms.push_back({row[j], unknown(j + 1)});
  return eq::sum(terms, f) + " = " + eq::number(row.back(), f);
}

void matrixRows(Working& w, const Matrix& m, const NumberFormat& f) {
  for (const std::vector<Rational>& r : m) {
    std::vector<std::string> cells;
    for (std::size_t j = 0; j < r.size(); ++j) {
      if (j + 1 == r.size()) cells.push_back("|");
      cells.push_back(eq::number(r[j], f));
    }
    row(w, std::move(cells));
  }
}

Echelon eliminate(Working& w, Matrix m, const NumberFormat& f) {
  Echelon e;
  const std::size_t n = m.size();
  // A small system shows its matrix after every column; a larger one only once it
  // is in row-echelon form, lest the working run to pages of fractions.
  const bool everyColumn = n <= kMatrixAfterEveryColumn;
  std::size_t r = 0;
  for (std::size_t k = 0; k < n && r < n; ++k) {
    const std::vector<std::string> ops = clearColumn(m, r, k, f);
    if (m[r][k] == 0) {
      line(w, LineKind::Step,
           unknown(k + 1) + " 的系数从 " + rowName(r + 1) + " 往下全是 0，这一列没有主元" +
               (k + 1 < n ? "，看下一列" : ""));
      continue;
    }
    e.pivots.push_back(static_cast<int>(k));
    if (!ops.empty()) {
      line(w, LineKind::Step,
           "消去 " + unknown(k + 1) + "（主元 " + eq::number(m[r][k], f) + "）：" +
               joined(ops, "，"));
      if (everyColumn) matrixRows(w, m, f);
    }
    ++r;
  }
  if (!everyColumn) {
    line(w, LineKind::Step, "化成阶梯形矩阵：");
    matrixRows(w, m, f);
  }
  e.m = std::move(m);
  return e;
}

std::vector<Rational> backSubstitute(Working& w, const Echelon& e, const NumberFormat& f) {
  const Matrix& m = e.m;
  const std::size_t n = m.size();
  std::vector<Rational> x(n);
  line(w, LineKind::Method, "回代：");
  for (std::size_t r = n; r-- > 0;) {
    Rational rest = m[r][n];
    for (std::size_t j = r + 1; j < n; ++j)
      rest -= m[r][j] * x[j];
    x[r] = rest / m[r][r];
    const bool others =
        std::any_of(m[r].begin() + r + 1, m[r].end() - 1, [](const Rational& v) { return v != 0; });
    std::string text = rowName(r + 1) + "：" + substitution(m[r], r, x, f);
    if (others)
      text += "，得 " + eq::sum({{m[r][r], unknown(r + 1)}}, f) + " = " + eq::number(rest, f);
    if (m[r][r] != 1) text += "，" + unknown(r + 1) + " = " + eq::number(x[r], f);
    line(w, LineKind::Step, text);
  }
  return x;
}

bool inconsistent(Working& w, const Echelon& e, const NumberFormat& f) {
  const std::size_t n = e.m.size(), rank = e.pivots.size();
  // The rank function r stays upright; the matrix A and the column b are named.
  const std::string a = "r(" + notation::var("A") + ")",
                    ab = "r(" + notation::var("A") + "|" + notation::var("b") + ")";
  const std::string ranks = "系数矩阵的秩 " + a + " = " + std::to_string(rank);
  for (std::size_t i = rank; i < n; ++i) {
    if (e.m[i][n] == 0) continue;
    line(w, LineKind::Step,
         rowName(i + 1) + " 对应的方程是 0 = " + eq::number(e.m[i][n], f) + "，不可能成立");
    line(w, LineKind::Step,
         ranks + "，增广矩阵的秩 " + ab + " = " + std::to_string(rank + 1) + "，" + a + " < " + ab +
             "，方程组无解");
    return true;
  }
  line(w, LineKind::Step,
       a + " = " + ab + " = " + std::to_string(rank) + " < " + std::to_string(n) +
           "，方程组有无穷多解");
  generalSolution(w, e, f);
  return false;
}

}  // namespace vorlinde::steps::gauss
