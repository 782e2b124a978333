// The quadratic's methods beside the formula: factoring, the complex pair and the check.

#include "steps/equations/quadratic_methods.h"

#include <utility>

#include "exact/notation.h"
#include "steps/shared/common.h"
#include "steps/shared/equation_text.h"

namespace vorlinde::steps::quadratic {
namespace {

using exact::Integer;
using notation::sub;
using notation::sup;

// The factor qx - p of the root p/q (q > 0, in lowest terms).
struct Factor {
  Integer q, p;
  explicit Factor(const Rational& root) : q(root.get_den()), p(root.get_num()) {}
  std::string text(const NumberFormat& f) const {
    return eq::sum({{q, notation::var("x")}, {-p, ""}}, f);
  }
  bool bare() const { return p == 0; }  // the factor x
  std::string inProduct(const NumberFormat& f) const {
    return bare() ? notation::var("x") : "(" + text(f) + ")";
  }
};

std::string leading(const Rational& k, const NumberFormat& f) {
  return k == 1 ? "" : k == -1 ? "-" : eq::number(k, f);
}

bool whole(const Equation& e) {
  return e.a.get_den() == 1 && e.b.get_den() == 1 && e.c.get_den() == 1;
}

// The cross method on the equation divided by k: the factors of the leading
// coefficient on the left, those of the constant on the right, and the check
// that the crossed products add up to the middle coefficient.
void crossTable(Working& w, const Equation& e, const Rational& k, const Factor& f1,
                const Factor& f2) {
  const NumberFormat& f = e.format;
  std::string intro = "十字相乘：";
  if (k != 1)
    intro += "先提出公因数 " + eq::number(k, f) + "，" + polynomial(e.a, e.b, e.c, f) + " = " +
             leading(k, f) + "(" + polynomial(e.a / k, e.b / k, e.c / k, f) + ")";
  line(w, LineKind::Step, intro);
  const Rational n1 = -f1.p, n2 = -f2.p;
  row(w, {eq::number(f1.q, f), "", eq::number(n1, f)});
  row(w, {"", "×", ""});
  row(w, {eq::number(f2.q, f), "", eq::number(n2, f)});
  line(w, LineKind::Step,
       "交叉相乘再相加：" + eq::number(f1.q, f) + "×" + eq::factor(n2, f) + " + " +
           eq::number(f2.q, f) + "×" + eq::factor(n1, f) + " = " +
           eq::number(Rational(f1.q * n2 + f2.q * n1), f) + "，正好是一次项系数");
}

}  // namespace

std::string polynomial(const Rational& a, const Rational& b, const Rational& c,
                       const NumberFormat& format) {
  return eq::sum({{a, notation::var("x") + sup("2")}, {b, notation::var("x")}, {c, ""}}, format);
}

const std::string& rootName(int k) {
  static const std::string names[2] = {notation::var("x") + sub("1"),
                                       notation::var("x") + sub("2")};
  return names[k - 1];
}

std::string plusMinus(const Rational& centre, const Surd& size, bool imaginary,
                      const NumberFormat& format) {
  const Rational b = size.isRational() ? size.a() : size.b();
  const Integer q = lcm(centre.get_den(), b.get_den());
  const Rational a = centre * q, bq = b * q;
  const bool rational = size.isRational();
  std::string part = rational || bq != 1 ? eq::number(bq, format) : "";
  if (!rational) part += notation::root(eq::number(Rational(size.d()), format));
  if (imaginary) part = (rational && bq == 1 ? "" : part) + (rational ? "i" : " i");
  const std::string top = a == 0 ? "±" + part : eq::number(a, format) + " ± " + part;
  return q == 1 ? top : notation::frac(top, eq::number(Rational(q), format));
}

void factoring(Working& w, const Equation& e, const Rational& x1, const Rational& x2) {
  const NumberFormat& f = e.format;
  const Factor f1(x1), f2(x2);
  const Rational k = e.a / Rational(f1.q * f2.q);
  line(w, LineKind::Method, "解法二：因式分解法");
  if (whole(e) && e.c != 0) crossTable(w, e, k, f1, f2);
  const std::string lhs = polynomial(e.a, e.b, e.c, f) + " = " + leading(k, f);
  if (x1 == x2) {
    line(w, LineKind::Step, lhs + f1.inProduct(f) + sup("2") + " = 0");
    line(w, LineKind::Step,
         f1.text(f) + " = 0，" + rootName(1) + " = " + rootName(2) + " = " + eq::number(x1, f));
    return;
  }
  // The bare factor x is written first, as in x(x - 3).
  const bool swap = f2.bare();
  const std::string product =
      swap ? f2.inProduct(f) + f1.inProduct(f) : f1.inProduct(f) + f2.inProduct(f);
  line(w, LineKind::Step, lhs + product + " = 0");
  line(w, LineKind::Step, f1.text(f) + " = 0 或 " + f2.text(f) + " = 0");
  line(w, LineKind::Step,
       rootName(1) + " = " + eq::number(x1, f) + "，" + rootName(2) + " = " + eq::number(x2, f));
}

void complexNote(Working& w, const Equation& e) {
  const Rational d = e.discriminant();
  const Rational centre = -e.b / (2 * e.a);
  const Surd size = Surd::sqrt(-d) / Surd(Rational(abs(2 * e.a)));
  line(w, LineKind::Note,
       notation::formula("学过复数的同学：在复数范围内 x = ") +
           notation::frac(notation::formula("-b ± ") + notation::root("-Δ") + " i",
                          notation::formula("2a")) +
           " = " + plusMinus(centre, size, true, e.format));
}

void relationsNote(Working& w, const Equation& e, const Surd& x1, const Surd& x2) {
  const Surd total = x1 + x2, product = x1 * x2;
  const Rational sum = -e.b / e.a, times = e.c / e.a;
  const auto side = [&](const Surd& left, const Rational& right, const std::string& formula) {
    return exact::show(left, e.format).exact + (left == Surd(right) ? " = " : " ≠ ") + formula +
           " = " + eq::number(right, e.format);
  };
  const bool holds = total == Surd(sum) && product == Surd(times);
  line(w, LineKind::Note,
       "检验（根与系数的关系）：" + rootName(1) + " + " + rootName(2) + " = " +
           side(total, sum, notation::formula(notation::frac("-b", "a"))) + "，" + rootName(1) +
           rootName(2) + " = " + side(product, times, notation::formula(notation::frac("c", "a"))) +
           (holds ? "，相符" : "，不符"));
}

}  // namespace vorlinde::steps::quadratic
