#include "exact/notation.h"
#include "steps/sequences/panels.h"
#include "steps/sequences/terms.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The arithmetic sequence: aₙ = a₁ + (n - 1)d and Sₙ = n(a₁ + aₙ)/2, checked by
// Sₙ = na₁ + n(n - 1)d/2.

namespace vorlinde::steps {

using exact::Integer;
using exact::Rational;

Working arithmeticWorking(const Calculation& c) {
  Working w = beginSequence("等差数列");
  const std::optional<TermBoxes> read = readTerms(w, c, notation::var("d"));
  if (!read) return w;
  const auto& [a1, d, n] = *read;
  const NumberFormat& f = c.format;
  const Rational step = Rational(n - 1) * d;
  const Rational an = a1 + step;
  const Rational sum = Rational(n) * (a1 + an) / 2;
  const exact::Shown anShown = exact::show(an, f), sumShown = exact::show(sum, f);

  line(w, LineKind::Method,
       "通项公式：" + termName() + " = " + firstTerm() + notation::formula(" + (n - 1)d"));
  line(w, LineKind::Step,
       indexed("a", n) + " = " + number(a1, f) + " + (" + number(n) + " - 1)×" + factor(d, f) +
           " = " + number(a1, f) + plus(step, f) + " = " + anShown.text());
  line(w, LineKind::Method,
       notation::formula("前 n 项和公式：") + sumName() + " = " +
           notation::frac(notation::formula("n(") + firstTerm() + " + " + termName() + ")", "2"));
  line(w, LineKind::Step,
       indexed("S", n) + " = " +
           notation::frac(number(n) + "×(" + number(a1, f) + plus(an, f) + ")", "2") + " = " +
           sumShown.text());
  line(w, LineKind::Note,
       "检验：" + sumName() + notation::formula(" = n") + firstTerm() + " + " +
           notation::formula(notation::frac("n(n - 1)d", "2")) + " = " + number(n) + "×" +
           factor(a1, f) + " + " +
           notation::frac(number(n) + "×" + number(Integer(n - 1)) + "×" + factor(d, f), "2") +
           " = " + exact::show(Rational(n) * a1 + Rational(n * (n - 1)) * d / 2, f).text());
  overflowNote(w, c);

  w.figure = sequenceFigure(
      n, [&](long k) { return exact::toFloat(a1 + Rational(k - 1) * d); },
      "等差数列的项 " + termName() + " 与前 n 项和 " + sumName());
  answer(w, {answerItem(termName(), anShown), answerItem(sumName(), sumShown)});
  return w;
}

}  // namespace vorlinde::steps
