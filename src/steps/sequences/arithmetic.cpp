#include "exact/notation.h"
#include "steps/sequences/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The sequence window's panels, and the arithmetic sequence.

namespace vorlinde::steps {

using exact::Integer;
using exact::Rational;

std::optional<Integer> termCount(Working& w, const Calculation& c, std::size_t box, long high,
                                 const std::string& why) {
  const WholeBox read = readWhole(c, box);
  line(w, LineKind::Given, wholeGiven(c, "n", box, read));
  if (!read.whole) {
    answer(w, {"n 不是数"});
    return std::nullopt;
  }
  const Integer& n = *read.whole;
  if (n < 1) {
    line(w, LineKind::Step,
         "数列从第 1 项开始，没有第 " + number(n) + " 项，也谈不上前 " + number(n) + " 项的和。");
    answer(w, {"项数 n 必须是正整数"});
    return std::nullopt;
  }
  if (n > high)
    windowNote(w, c,
               !why.empty()
                   ? why
                   : "窗口只接受 1 到 " + std::to_string(high) + " 之间的整数 n，这里超出了范围。");
  return n;
}

Working arithmeticWorking(const Calculation& c) {
  Working w = begin(kSequenceCaption, "等差数列");
  line(w, LineKind::Given, given(c, "a" + notation::sub("1"), 0));
  line(w, LineKind::Given, given(c, "d", 1));
  const std::optional<Rational> a1 = typed(c, 0), d = typed(c, 1);
  const std::optional<Integer> n = termCount(w, c, 2, kInt16Max);
  if (!n) return w;
  if (!a1 || !d) {
    answer(w, {"a" + notation::sub("1") + " 和 d 必须是数"});
    return w;
  }
  const NumberFormat& f = c.format;
  const Rational step = Rational(*n - 1) * *d;
  const Rational an = *a1 + step;
  const Rational sum = Rational(*n) * (*a1 + an) / 2;
  const exact::Shown anShown = exact::show(an, f), sumShown = exact::show(sum, f);

  line(w, LineKind::Method,
       "通项公式：" + termName() + " = a" + notation::sub("1") + " + (n - 1)d");
  line(w, LineKind::Step,
       indexed("a", *n) + " = " + number(*a1, f) + " + (" + number(*n) + " - 1)×" + factor(*d, f) +
           " = " + number(*a1, f) + plus(step, f) + " = " + anShown.text());
  line(w, LineKind::Method,
       "前 n 项和公式：" + sumName() + " = " +
           notation::frac("n(a" + notation::sub("1") + " + " + termName() + ")", "2"));
  line(w, LineKind::Step,
       indexed("S", *n) + " = " +
           notation::frac(number(*n) + "×(" + number(*a1, f) + plus(an, f) + ")", "2") + " = " +
           sumShown.text());
  line(w, LineKind::Note,
       "检验：" + sumName() + " = na" + notation::sub("1") + " + " +
           notation::frac("n(n - 1)d", "2") + " = " + number(*n) + "×" + factor(*a1, f) + " + " +
           notation::frac(number(*n) + "×" + number(Integer(*n - 1)) + "×" + factor(*d, f), "2") +
           " = " + exact::show(Rational(*n) * *a1 + Rational(*n * (*n - 1)) * *d / 2, f).text());
  if (c.error) windowNote(w, c, "结果超出了双精度数能表示的范围，窗口报告溢出。");

  std::vector<exact::Float> terms, sums;
  exact::Float total = exact::toFloat(0);
  for (long k = 1; k <= figureTerms(*n); ++k) {
    terms.push_back(exact::toFloat(*a1 + Rational(k - 1) * *d));
    total += terms.back();
    sums.push_back(total);
  }
  w.figure =
      sequenceFigure(terms, sums, "等差数列的项 " + termName() + " 与前 n 项和 " + sumName());
  answer(w, {answerItem(termName(), anShown), answerItem(sumName(), sumShown)});
  return w;
}

}  // namespace vorlinde::steps
