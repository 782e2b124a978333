#include "core/series.h"
#include "exact/notation.h"
#include "steps/sequences/panels.h"
#include "steps/sequences/terms.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The geometric sequence: aₙ = a₁qⁿ⁻¹ and Sₙ = a₁(1 − qⁿ)/(1 − q), with q = 1 as
// a case of its own.

namespace vorlinde::steps {
namespace {

using exact::Integer;
using exact::Rational;

// A power with more digits than this is not written out inside a step.
constexpr std::size_t kMostInlineDigits = 40;

// Sₙ = a₁(1 - qⁿ)/(1 - q), for q ≠ 1.
std::string sumFormula() {
  return notation::frac(firstTerm() + notation::formula("(1 - q" + notation::sup("n") + ")"),
                        notation::formula("1 - q"));
}

bool short_(const Rational& x) {
  return exact::digitCount(x.get_num()) <= kMostInlineDigits &&
         exact::digitCount(x.get_den()) <= kMostInlineDigits;
}

void figure(Working& w, const Rational& a1, const Rational& q, const Integer& n) {
  exact::Float term = exact::toFloat(a1);
  const exact::Float ratio = exact::toFloat(q);
  w.figure = sequenceFigure(
      n,
      [&](long k) {
        if (k > 1) term *= ratio;
        return term;
      },
      "等比数列的项 " + termName() + " 与前 n 项和 " + sumName());
}

void constantRatio(Working& w, const Calculation& c, const Rational& a1, const Integer& n) {
  const NumberFormat& f = c.format;
  line(w, LineKind::Method,
       notation::formula("q = 1 时各项都等于 ") + firstTerm() + "（常数列），求和公式不能用");
  const exact::Shown sum = exact::show(Rational(n) * a1, f);
  line(w, LineKind::Step,
       indexed("a", n) + " = " + firstTerm() + " = " + exact::show(a1, f).text());
  line(w, LineKind::Step,
       indexed("S", n) + notation::formula(" = n") + firstTerm() + " = " + number(n) + "×" +
           factor(a1, f) + " = " + sum.text());
  line(w, LineKind::Note,
       std::string("窗口显示“") + kRatioOneFirst + kRatioOneSecond + "”：它的求和公式 " +
           sumName() + " = " + sumFormula() + notation::formula(" 要除以 1 - q = 0。"));
  figure(w, a1, 1, n);
  answer(w, {answerItem(termName(), exact::show(a1, f)), answerItem(sumName(), sum)});
}

// qⁿ too long to write: both results estimated.
void estimated(Working& w, const Rational& a1, const Rational& q, const Integer& n,
               const NumberFormat& f) {
  const std::optional<std::int64_t> k = exact::toInt64(n);
  const std::optional<exact::Float> before = k ? exact::floatPower(q, *k - 1) : std::nullopt;
  const std::optional<exact::Float> qn = before ? exact::floatPower(q, *k) : std::nullopt;
  if (!qn) {
    line(w, LineKind::Note, notation::formula("n 太大，无法估计。"));
    answer(w, {notation::formula("n 太大，无法估计")});
    return;
  }
  // A term such as 1×100³²⁷⁶⁶ = 1E+65532 is exact however long its digits.
  const std::optional<exact::Decimal> told = exact::shortDecimal(a1, q, n - 1, f);
  const exact::Shown term = exact::showDecimal(
      told ? *told : exact::Decimal{exact::floatText(exact::toFloat(a1) * *before, f), false});
  const std::string sum =
      exact::floatText(exact::toFloat(a1) * (1 - *qn) / exact::toFloat(1 - q), f);
  line(w, LineKind::Step,
       indexed("a", n) + " = " + factor(a1, f) + "×" + base(q, f) + exponent(n - 1) + " " +
           term.text());
  line(w, LineKind::Step,
       indexed("S", n) + " = " +
           notation::frac(factor(a1, f) + "×(1 - " + base(q, f) + exponent(n) + ")",
                          "1 - " + factor(q, f)) +
           " ≈ " + sum);
  line(w, LineKind::Note,
       notation::formula("q" + notation::sup("n") + " 的位数太多，不写出每一位，只取近似值。"));
  answer(w, {answerItem(termName(), term), sumName() + " ≈ " + sum});
}

void ratio(Working& w, const Calculation& c, const Rational& a1, const Rational& q,
           const Integer& n) {
  const NumberFormat& f = c.format;
  line(w, LineKind::Method,
       "通项公式：" + termName() + " = " + firstTerm() +
           notation::formula("q" + notation::sup("n-1")));
  line(w, LineKind::Method,
       notation::formula("前 n 项和公式（q ≠ 1）：") + sumName() + " = " + sumFormula());
  const std::optional<std::int64_t> k = exact::toInt64(n);
  const std::optional<Rational> before =
      k ? exact::power(q, *k - 1, exact::kMostExactDigits) : std::nullopt;
  const std::optional<Rational> last =
      before ? exact::power(q, *k, exact::kMostExactDigits) : std::nullopt;
  if (!last) return estimated(w, a1, q, n, f);
  const exact::Shown term = exact::show(a1 * *before, f);
  const exact::Shown sum = exact::show(a1 * (1 - *last) / (1 - q), f);
  const std::string power = base(q, f) + exponent(n - 1);
  line(w, LineKind::Step,
       indexed("a", n) + " = " + factor(a1, f) + "×" + power +
           (short_(*before) ? " = " + factor(a1, f) + "×" + factor(*before, f) : "") + " = " +
           term.text());
  const std::string bottom = number(Rational(1 - q), f);
  std::string step = indexed("S", n) + " = " +
                     notation::frac(factor(a1, f) + "×(1 - " + base(q, f) + exponent(n) + ")",
                                    "1 - " + factor(q, f));
  if (short_(*last))
    step += " = " + notation::frac(factor(a1, f) + "×(1 - " + factor(*last, f) + ")", bottom);
  line(w, LineKind::Step, step + " = " + sum.text());
  overflowNote(w, c);
  answer(w, {answerItem(termName(), term), answerItem(sumName(), sum)});
}

}  // namespace

Working geometricWorking(const Calculation& c) {
  Working w = beginSequence("等比数列");
  const std::optional<TermBoxes> read = readTerms(w, c, notation::var("q"));
  if (!read) return w;
  const auto& [a1, q, n] = *read;
  if (a1 == 0 || q == 0)
    line(w, LineKind::Note, "等比数列的首项和公比都不能为 0，这里仍按公式计算。");
  if (q == 1) {
    constantRatio(w, c, a1, n);
    return w;
  }
  ratio(w, c, a1, q, n);
  figure(w, a1, q, n);
  return w;
}

}  // namespace vorlinde::steps
