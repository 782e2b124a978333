// The working of two linear equations in two unknowns: by elimination and by determinants.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "exact/notation.h"
#include "steps/equations/coefficients.h"
#include "steps/equations/elimination.h"
#include "steps/equations/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/equation_figures.h"
#include "steps/shared/equation_text.h"

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::Rational;
using notation::frac;
using notation::sub;
using system::Equation;

constexpr std::string_view kNames[] = {"a₁", "b₁", "c₁", "a₂", "b₂", "c₂"};

// D, D₁ and D₂, by which the system is solved where D ≠ 0.
struct Determinants {
  Rational d, dx, dy;
  Determinants(const Equation& p, const Equation& q)
      : d(p.a * q.b - q.a * p.b), dx(p.c * q.b - q.c * p.b), dy(p.a * q.c - q.a * p.c) {}
};

std::string name(char letter, int row) {
  return var(std::string(1, letter)) + sub(std::to_string(row));
}

// By the ranks of the coefficients and of the whole rows: no solution when an
// equation says 0 = k for k ≠ 0 or the lines are parallel, else infinitely many.
bool noSolution(const Equation& p, const Equation& q) {
  if ((p.degenerate() && p.c != 0) || (q.degenerate() && q.c != 0)) return true;
  if (p.degenerate() || q.degenerate()) return false;
  return p.a * q.c != q.a * p.c || p.b * q.c != q.b * p.c;
}

void windowError(Working& w, const Calculation& c, const Rational& det) {
  if (c.error == 0) return;
  if (det == 0)
    errorLine(
        w, c,
        formula("两个方程中 x、y 的系数成比例，D = a" + sub("1") + "b" + sub("2") + " - a" +
                sub("2") + "b" + sub("1") + " = 0；窗口直接算 x = " + frac("D" + sub("1"), "D") +
                "，除数是 0，所以出错。方程组没有唯一解，下面说明原因。"));
  else
    errorLine(w, c,
              "系数太大或太小，窗口用小数计算时超出了范围；下面用精确值计算，方程组照样可解。");
}

// The equations 0x + 0y = c, which hold for every pair or for none.
void degenerateLines(Working& w, const Equation& p, const Equation& q, const NumberFormat& f) {
  line(w, LineKind::Method, "分析：");
  for (const Equation* e : {&p, &q}) {
    if (!e->degenerate()) continue;
    line(w, LineKind::Step,
         eq::circled(e->number) + formula(" 就是 0x + 0y = ") + eq::number(e->c, f) +
             "，即 0 = " + eq::number(e->c, f) + formula("，不论 x、y 取什么数都") +
             (e->c != 0 ? "不成立" : "成立"));
  }
}

std::string determinant(const std::string& named, const std::string& formula, const Rational& a,
                        const Rational& b, const Rational& c, const Rational& d,
                        const NumberFormat& f) {
  return named + " = " + formula + " = " + eq::factor(a, f) + "×" + eq::factor(b, f) + " - " +
         eq::factor(c, f) + "×" + eq::factor(d, f) + " = " + eq::number(a * b - c * d, f);
}

// Method two: D, D₁ and D₂, and x = D₁/D, y = D₂/D where D ≠ 0.
void cramerLines(Working& w, const Equation& p, const Equation& q, const Determinants& d,
                 const NumberFormat& f) {
  line(w, LineKind::Method, "解法二：行列式法（克拉默法则）");
  const std::string d1 = formula("D" + sub("1")), d2 = formula("D" + sub("2"));
  const Rational &det = d.d, &dx = d.dx, &dy = d.dy;
  line(w, LineKind::Step,
       determinant(var("D"), name('a', 1) + name('b', 2) + " - " + name('a', 2) + name('b', 1), p.a,
                   q.b, q.a, p.b, f));
  line(w, LineKind::Step,
       determinant(d1, name('c', 1) + name('b', 2) + " - " + name('c', 2) + name('b', 1), p.c, q.b,
                   q.c, p.b, f));
  line(w, LineKind::Step,
       determinant(d2, name('a', 1) + name('c', 2) + " - " + name('a', 2) + name('c', 1), p.a, q.c,
                   q.a, p.c, f));
  if (det == 0) {
    line(w, LineKind::Step,
         formula("D = 0，克拉默法则不能用；") + (dx != 0 || dy != 0
                                                     ? d1 + "、" + d2 + " 不全为 0，方程组无解"
                                                     : d1 + " = " + d2 + " = 0，方程组有无穷多解"));
    return;
  }
  line(w, LineKind::Step,
       formula("x = ") + frac(d1, var("D")) + " = " + frac(eq::number(dx, f), eq::number(det, f)) +
           " = " + eq::number(dx / det, f) + formula("，y = ") + frac(d2, var("D")) + " = " +
           frac(eq::number(dy, f), eq::number(det, f)) + " = " + eq::number(dy / det, f));
}

// Infinitely many: every pair that satisfies the one equation that is left.
void solutionsNote(Working& w, const Equation& p, const Equation& q, const NumberFormat& f) {
  if (p.degenerate() && q.degenerate()) {
    line(w, LineKind::Note, formula("任何一组 x、y 都是方程组的解"));
    return;
  }
  const Equation& e = p.degenerate() ? q : p;
  const std::string general =
      e.b != 0 ? formula("y = ") + eq::sum({{-e.a / e.b, var("x")}, {e.c / e.b, ""}}, f) +
                     formula("（x 取任意数）")
               : formula("x = ") + eq::number(e.c / e.a, f) + formula("（y 取任意数）");
  line(w, LineKind::Note,
       "满足 " + eq::circled(e.number) + formula(" 的每一组 x、y 都是方程组的解：") + general);
}

std::vector<std::string> solve(Working& w, const Equation& p, const Equation& q,
                               const Determinants& d, const NumberFormat& f) {
  if (p.degenerate() || q.degenerate()) {
    degenerateLines(w, p, q, f);
  } else {
    line(w, LineKind::Method, "解法一：加减消元法");
    const auto solution = system::eliminate(w, p, q, f);
    cramerLines(w, p, q, d, f);
    if (solution)
      return {answerItem(var("x"), exact::show((*solution)[0], f)),
              answerItem(var("y"), exact::show((*solution)[1], f))};
  }
  if (noSolution(p, q)) return {"方程组无解"};
  solutionsNote(w, p, q, f);
  return {"方程组有无穷多解"};
}

}  // namespace

Working systemWorking(const Calculation& c) {
  Working w = begin("解方程", "二元一次方程组");
  const NumberFormat& f = c.format;
  const auto v = coefficients(w, c, kNames, "");
  if (!v) return w;
  const Equation p{(*v)[0], (*v)[1], (*v)[2], 1}, q{(*v)[3], (*v)[4], (*v)[5], 2};
  line(w, LineKind::Step, system::text(p, f) + "　①");
  line(w, LineKind::Step, system::text(q, f) + "　②");
  const Determinants d(p, q);
  windowError(w, c, d.d);
  answer(w, solve(w, p, q, d, f));
  std::optional<std::array<Rational, 2>> meeting;
  if (d.d != 0) meeting = std::array<Rational, 2>{d.dx / d.d, d.dy / d.d};
  w.figure = eq::linesFigure({eq::PlaneLine{p.a, p.b, p.c, "①"}, {q.a, q.b, q.c, "②"}}, meeting, f);
  return w;
}

}  // namespace vorlinde::steps
