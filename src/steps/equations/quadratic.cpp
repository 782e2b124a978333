// The working of the quadratic equation: by the formula, by factoring, and the linear case.

#include <optional>
#include <string>
#include <vector>

#include "core/runtime_error.h"
#include "exact/notation.h"
#include "steps/equations/coefficients.h"
#include "steps/equations/panels.h"
#include "steps/equations/quadratic_methods.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/equation_figures.h"
#include "steps/shared/equation_text.h"

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::Rational;
using exact::Surd;
using notation::frac;
using notation::root;
using notation::sub;
using notation::sup;
using quadratic::Equation;
using quadratic::rootName;

constexpr std::string_view kNames[] = {"a", "b", "c"};

std::string shownExact(const Surd& x, const NumberFormat& format) {
  return exact::show(x, format).exact;
}

// What went wrong in the window, where the exact working still has an answer.
void windowError(Working& w, const Calculation& c, const Equation& e) {
  if (c.error == 0) return;
  std::string what = "窗口计算时出错；下面用精确值计算。";
  if (e.a == 0 && e.b == 0)
    what = formula("a 和 b 都是 0，窗口求 x = -c/b 时") +
           (e.c != 0 ? "除以了 0" : "算 0/0，没有意义") + "。";
  else if (c.error == static_cast<int>(ErrorCode::Overflow))
    what = formula("系数太大或太小，窗口用小数计算 Δ = b" + sup("2") +
                   " - 4ac 时超出了范围；下面用精确值计算，方程照样可解。");
  errorLine(w, c, what);
}

void linearCase(Working& w, const Equation& e) {
  const NumberFormat& f = e.format;
  line(w, LineKind::Step,
       formula("a = 0，这不是一元二次方程，而是一元一次方程 ") +
           eq::sum({{e.b, var("x")}, {e.c, ""}}, f) + " = 0");
  if (e.b == 0) {
    const bool never = e.c != 0;
    line(w, LineKind::Step,
         "方程化为 " + eq::number(e.c, f) + formula(" = 0，不论 x 取什么数都") +
             (never ? "不成立" : "成立"));
    answer(w, {never ? "方程无解" : "任何数都是方程的解"});
    return;
  }
  const Rational x = -e.c / e.b;
  line(w, LineKind::Step,
       "移项，得 " + eq::sum({{e.b, var("x")}}, f) + " = " + eq::number(-e.c, f));
  const std::string quotient = frac(eq::number(-e.c, f), eq::number(e.b, f));
  const std::string value = eq::number(x, f);
  if (e.b != 1)
    line(w, LineKind::Step,
         "两边除以 " + eq::number(e.b, f) + formula("，得 x = ") + quotient +
             (notation::plain(quotient) == notation::plain(value) ? "" : " = " + value));
  answer(w, {answerItem(var("x"), exact::show(x, f))});
}

void discriminantLines(Working& w, const Equation& e, const Rational& d) {
  const NumberFormat& f = e.format;
  const Rational square = e.b * e.b, fourAc = 4 * e.a * e.c;
  line(w, LineKind::Step,
       formula("Δ = b" + sup("2") + " - 4ac = ") + eq::factor(e.b, f, true) + sup("2") + " - 4×" +
           eq::factor(e.a, f) + "×" + eq::factor(e.c, f) + " = " + eq::number(square, f) +
           (sgn(fourAc) < 0 ? " + " : " - ") + eq::number(abs(fourAc), f) + " = " +
           eq::number(d, f));
  const int s = sgn(d);
  line(w, LineKind::Step,
       s > 0    ? "Δ > 0，方程有两个不相等的实数根"
       : s == 0 ? "Δ = 0，方程有两个相等的实数根"
                : "Δ < 0，方程无实数根");
}

// For a < 0 the equation is multiplied by -1 first, as the textbook does, so that
// 2a > 0 and each branch of "±" stays the same branch through the formula.
Equation positiveLeading(Working& w, const Equation& given) {
  if (sgn(given.a) > 0) return given;
  const Equation e{-given.a, -given.b, -given.c, given.format};
  const NumberFormat& f = e.format;
  line(w, LineKind::Step,
       "二次项系数是负数，方程两边同乘 -1，得 " + quadratic::polynomial(e.a, e.b, e.c, f) +
           formula(" = 0，下面取 a = ") + eq::number(e.a, f) + formula("，b = ") +
           eq::number(e.b, f) + formula("，c = ") + eq::number(e.c, f));
  return e;
}

// x = (-b ± √Δ)/(2a) with the values put in, √Δ simplified, then over one denominator;
// a > 0. smallerFirst names the roots as the window does for a given a < 0.
void formulaLines(Working& w, const Equation& e, const Rational& d, const Surd& rootOfD,
                  const Surd& x1, const Surd& x2, bool smallerFirst) {
  const NumberFormat& f = e.format;
  const Rational centre = -e.b / (2 * e.a);
  const std::string minusB = eq::number(-e.b, f);
  if (d == 0) {
    line(w, LineKind::Step,
         rootName(1) + " = " + rootName(2) + " = " + formula(frac("-b", "2a")) + " = " +
             frac(minusB, "2×" + eq::factor(e.a, f)) + " = " + eq::number(centre, f));
    return;
  }
  const std::string given = root(eq::number(d, f)), simple = shownExact(rootOfD, f);
  if (!rootOfD.isRational() && notation::plain(given) != notation::plain(simple))
    line(w, LineKind::Step, "其中 " + given + " = " + simple);
  std::string text = formula("x = " + frac("-b ± " + root("Δ"), "2a")) + " = " +
                     frac(minusB + " ± " + given, "2×" + eq::factor(e.a, f));
  const std::string worked = frac(minusB + " ± " + simple, eq::number(2 * e.a, f));
  const std::string combined =
      quadratic::plusMinus(centre, rootOfD / Surd(Rational(abs(2 * e.a))), false, f);
  text += " = " + worked;
  if (notation::plain(combined) != notation::plain(worked)) text += " = " + combined;
  line(w, LineKind::Step, text);
  line(w, LineKind::Step,
       rootName(1) + " = " + shownExact(x1, f) + "，" + rootName(2) + " = " + shownExact(x2, f) +
           (smallerFirst ? "（与窗口一致，" + rootName(1) + " 是较小的根）" : ""));
}

void quadraticCase(Working& w, const Equation& given) {
  const Equation e = positiveLeading(w, given);
  const Rational d = e.discriminant();
  line(w, LineKind::Method, "解法一：公式法");
  discriminantLines(w, e, d);
  if (sgn(d) < 0) {
    quadratic::complexNote(w, e);
    answer(w, {"方程无实数根"});
    return;
  }
  const Surd rootOfD = Surd::sqrt(d);
  // As the window computes them: x₁ adds √Δ/(2a), so for a < 0 it is the smaller root.
  const bool smallerFirst = sgn(given.a) < 0;
  const Surd centre(-e.b / (2 * e.a)), spread = rootOfD / Surd(2 * e.a);
  const Surd x1 = smallerFirst ? centre - spread : centre + spread;
  const Surd x2 = smallerFirst ? centre + spread : centre - spread;
  formulaLines(w, e, d, rootOfD, x1, x2, smallerFirst);
  if (rootOfD.isRational()) quadratic::factoring(w, e, x1.a(), x2.a());
  quadratic::relationsNote(w, e, x1, x2);
  if (d == 0)
    answer(w, {answerItem(rootName(1) + " = " + rootName(2), exact::show(x1, e.format))});
  else
    answer(w, {answerItem(rootName(1), exact::show(x1, e.format)),
               answerItem(rootName(2), exact::show(x2, e.format))});
}

}  // namespace

Working quadraticWorking(const Calculation& c) {
  Working w = begin("解方程", "一元二次方程");
  const auto k = coefficients(w, c, kNames, "请输入数，例如 -3、0.5、1.5E-3。");
  if (!k) return w;
  const Equation e{(*k)[0], (*k)[1], (*k)[2], c.format};
  line(w, LineKind::Step, "方程：" + quadratic::polynomial(e.a, e.b, e.c, e.format) + " = 0");
  windowError(w, c, e);
  if (e.a == 0)
    linearCase(w, e);
  else
    quadraticCase(w, e);
  w.figure = eq::parabolaFigure(e.a, e.b, e.c, e.format);
  return w;
}

}  // namespace vorlinde::steps
