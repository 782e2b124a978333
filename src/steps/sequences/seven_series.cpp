#include "exact/notation.h"
#include "steps/sequences/panels.h"
#include "steps/sequences/terms.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The seven special series of the window, each by its closed form with n put in.

namespace vorlinde::steps {
namespace {

using exact::Integer;
using exact::Rational;
using notation::frac;
using notation::sup;

struct Series {
  std::string sum;      // the series written out
  std::string formula;  // its closed form in n
  std::string filled;   // the closed form with n put in
  Rational value;
  std::string note;  // how the closed form is found, where it helps
};

std::vector<Series> seriesFor(const Integer& n) {
  const std::string a = number(n), b = number(Integer(n + 1)), c = number(Integer(n + 2)),
                    odd = number(Integer(2 * n + 1));
  const Integer half = n * (n + 1) / 2;
  const auto squared = [](const Integer& k) { return base(Rational(k), {}) + sup("2"); };
  return {
      {"1 + 2 + 3 + … + n", frac("n(n + 1)", "2"), frac(a + "×" + b, "2"), Rational(half),
       "倒序相加：首尾两项的和都是 n + 1，共 n 对，再除以 2。"},
      {"1 + 3 + 5 + … + (2n - 1)", "n" + sup("2"), squared(n), Rational(n * n),
       "等差数列求和：n(1 + 2n - 1)/2 = n²。"},
      {"2 + 4 + 6 + … + 2n", "n(n + 1)", a + "×" + b, Rational(n * (n + 1)), ""},
      {"1" + sup("2") + " + 2" + sup("2") + " + … + n" + sup("2"), frac("n(n + 1)(2n + 1)", "6"),
       frac(a + "×" + b + "×" + odd, "6"), Rational(n * (n + 1) * (2 * n + 1) / 6), ""},
      {"1" + sup("3") + " + 2" + sup("3") + " + … + n" + sup("3"),
       "[" + frac("n(n + 1)", "2") + "]" + sup("2"),
       "(" + frac(a + "×" + b, "2") + ")" + sup("2") + " = " + squared(half), Rational(half * half),
       "立方和等于 1 + 2 + … + n 的平方。"},
      {"1×2 + 2×3 + … + n(n + 1)", frac("n(n + 1)(n + 2)", "3"), frac(a + "×" + b + "×" + c, "3"),
       Rational(n * (n + 1) * (n + 2) / 3), ""},
      {frac("1", "1×2") + " + " + frac("1", "2×3") + " + … + " + frac("1", "n(n + 1)"),
       frac("n", "n + 1"), frac(a, b), Rational(n, n + 1),
       "裂项相消：" + frac("1", "k(k + 1)") + " = " + frac("1", "k") + " - " + frac("1", "k + 1") +
           "。"},
  };
}

}  // namespace

Working specialSeriesWorking(const Calculation& c) {
  Working w = beginSequence("特殊数列求和");
  const std::optional<Integer> n = termCount(
      w, c, 0, kLargestSeriesTerms,
      notation::formula("窗口先用整数算 n(n + 1)，n 大于 ") + std::to_string(kLargestSeriesTerms) +
          " 时超过 " + std::to_string(kInt32Max) + "，报告溢出；这里照样算出准确值。");
  if (!n) return w;
  std::vector<std::string> items;
  const std::vector<Series> all = seriesFor(*n);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Series& s = all[i];
    const std::string name = indexed("S", Integer(static_cast<int>(i) + 1));
    const exact::Shown shown = exact::show(s.value, c.format);
    line(w, LineKind::Method, name + " = " + notation::formula(s.sum));
    line(w, LineKind::Step,
         chain({name, notation::formula(s.formula), s.filled, shown.exact}) + decimalPart(shown));
    if (!s.note.empty()) line(w, LineKind::Note, notation::formula(s.note));
    items.push_back(answerItem(name, shown));
  }
  w.figure = sequenceFigure(
      *n, [](long k) { return exact::toFloat(k); }, "1 + 2 + … + n：第 n 项 n 与前 n 项和");
  answer(w, items);
  return w;
}

}  // namespace vorlinde::steps
