#include "steps/sequences/terms.h"
#include "core/panels.h"
#include "exact/notation.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// What the sequence window's panels share: their heading, the reading of their
// boxes and of n, and the note on the window's overflow.

namespace vorlinde::steps {

using notation::formula;
using notation::var;

using exact::Integer;

Working beginSequence(std::string panel) {
  return begin(std::string(toolWindow(WindowId::Sequences).caption), std::move(panel));
}

std::optional<Integer> termCount(Working& w, const Calculation& c, std::size_t box, long high,
                                 const std::string& why) {
  const WholeBox read = readWhole(c, box);
  line(w, LineKind::Given, wholeGiven(c, var("n"), box, read));
  if (!read.whole) {
    answer(w, {formula("n 不是数")});
    return std::nullopt;
  }
  const Integer& n = *read.whole;
  if (n < 1) {
    line(w, LineKind::Step,
         "数列从第 1 项开始，没有第 " + number(n) + " 项，也谈不上前 " + number(n) + " 项的和。");
    answer(w, {formula("项数 n 必须是正整数")});
    return std::nullopt;
  }
  if (n > high)
    windowNote(w, c,
               !why.empty() ? why
                            : "窗口只接受 1 到 " + std::to_string(high) +
                                  formula(" 之间的整数 n，这里超出了范围。"));
  return n;
}

std::optional<TermBoxes> readTerms(Working& w, const Calculation& c, const std::string& stepName) {
  line(w, LineKind::Given, given(c, firstTerm(), 0));
  line(w, LineKind::Given, given(c, stepName, 1));
  const std::optional<exact::Rational> first = typed(c, 0), step = typed(c, 1);
  const std::optional<Integer> n = termCount(w, c, 2, kInt16Max);
  if (!n) return std::nullopt;
  if (!first || !step) {
    answer(w, {firstTerm() + " 和 " + stepName + " 必须是数"});
    return std::nullopt;
  }
  return TermBoxes{*first, *step, *n};
}

void overflowNote(Working& w, const Calculation& c) {
  if (c.error) windowNote(w, c, "结果超出了双精度数能表示的范围，窗口报告溢出。");
}

}  // namespace vorlinde::steps
