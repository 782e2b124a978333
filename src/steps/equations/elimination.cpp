// Elimination on two equations in two unknowns, as the pupil writes it.

#include "steps/equations/elimination.h"

#include "exact/notation.h"
#include "steps/shared/common.h"
#include "steps/shared/equation_text.h"

namespace vorlinde::steps::system {
namespace {

using exact::Integer;

std::string unknownName(int unknown) {
  return notation::var(unknown == 0 ? "x" : "y");
}

const Rational& coefficient(const Equation& e, int unknown) {
  return unknown == 0 ? e.a : e.b;
}

class Eliminator {
 public:
  Eliminator(Working& w, const NumberFormat& f) : w_(w), f_(f) {}

  // Multiplied by the least common denominator, so that every coefficient is whole.
  Equation cleared(const Equation& e) {
    const Integer common = lcm(lcm(e.a.get_den(), e.b.get_den()), e.c.get_den());
    return common == 1 ? e : scaled(e, Rational(common), "去分母：");
  }

  // An equation that holds one unknown only gives it at once; the other equation
  // then gives the other unknown.
  std::array<Rational, 2> direct(const Equation& e1, const Equation& e2) {
    const bool firstAlone = e1.a == 0 || e1.b == 0;
    const Equation& alone = firstAlone ? e1 : e2;
    const Equation& other = firstAlone ? e2 : e1;
    const int known = alone.a != 0 ? 0 : 1;
    const Rational value = alone.c / coefficient(alone, known);
    line(w_, LineKind::Step,
         eq::circled(alone.number) + " 中只有 " + unknownName(known) + "，由 " +
             eq::circled(alone.number) + " 得 " +
             solved(known, alone.c, coefficient(alone, known)));
    return substitute(other, known, value);
  }

  // Both equations hold both unknowns, or they are proportional: the unknown with
  // the smaller common multiple of its coefficients is eliminated.
  std::optional<std::array<Rational, 2>> combine(const Equation& e1, const Equation& e2) {
    const int gone = choose(e1, e2);
    const int kept = 1 - gone;
    const Rational k1 = coefficient(e1, gone), k2 = coefficient(e2, gone);
    const Integer common = lcm(Integer(abs(k1.get_num())), Integer(abs(k2.get_num())));
    line(w_, LineKind::Step, "用加减法消去 " + unknownName(gone) + "：");
    const Equation p = scaledBy(e1, Rational(common / abs(k1))),
                   q = scaledBy(e2, Rational(common / abs(k2)));
    const bool same = sgn(k1) == sgn(k2);
    const Rational left = coefficient(p, kept) + (same ? -1 : 1) * coefficient(q, kept);
    const Rational right = p.c + (same ? -1 : 1) * q.c;
    line(w_, LineKind::Step,
         eq::circled(p.number) + (same ? " - " : " + ") + eq::circled(q.number) + "，得 " +
             eq::sum({{left, unknownName(kept)}}, f_) + " = " + eq::number(right, f_));
    if (left == 0) {
      line(w_, LineKind::Step,
           right != 0 ? "0 = " + eq::number(right, f_) + " 不可能成立"
                      : std::string("0 = 0 总成立：两个方程其实是同一个方程"));
      return std::nullopt;
    }
    if (left != 1) line(w_, LineKind::Step, solved(kept, right, left));
    return substitute(e1, kept, right / left);
  }

 private:
  Equation scaled(const Equation& e, const Rational& m, const std::string& why) {
    const Equation r{e.a * m, e.b * m, e.c * m, next_++};
    line(w_, LineKind::Step,
         why + eq::circled(e.number) + "×" + eq::number(m, f_) + "，得 " + text(r, f_) + "　" +
             eq::circled(r.number));
    return r;
  }

  Equation scaledBy(const Equation& e, const Rational& m) { return m == 1 ? e : scaled(e, m, ""); }

  static int choose(const Equation& e1, const Equation& e2) {
    const auto cost = [&](int v) -> Integer {
      const Rational p = coefficient(e1, v), q = coefficient(e2, v);
      if (p == 0 || q == 0) return -1;
      return lcm(Integer(abs(p.get_num())), Integer(abs(q.get_num())));
    };
    const Integer x = cost(0), y = cost(1);
    return y >= 0 && (x < 0 || y <= x) ? 1 : 0;
  }

  // "x = 39/23" from kx = c, with the fraction first where it simplifies.
  std::string solved(int unknown, const Rational& c, const Rational& k) {
    const std::string value = eq::number(c / k, f_);
    const std::string fraction = notation::frac(eq::number(c, f_), eq::number(k, f_));
    const bool plainQuotient = sgn(k) > 0 && k.get_den() == 1 && c.get_den() == 1;
    if (k == 1 || !plainQuotient || notation::plain(fraction) == notation::plain(value))
      return unknownName(unknown) + " = " + value;
    return unknownName(unknown) + " = " + fraction + " = " + value;
  }

  // The equation with the value put in, its terms in the order x, y: "2x + 3×2 = 12".
  std::string substituted(const Equation& into, int known, const Rational& value) {
    const Rational& ku = coefficient(into, known);
    const Rational& kv = coefficient(into, 1 - known);
    const std::string put = eq::timesValue(ku, eq::factor(value, f_), f_);
    const std::string unknown = eq::sum({{kv, unknownName(1 - known)}}, f_);
    std::string terms;
    if (known == 0)
      terms = put + (sgn(kv) < 0 ? " - " : " + ") + eq::sum({{abs(kv), unknownName(1)}}, f_);
    else
      terms = unknown + (put.starts_with("-") ? " - " + put.substr(1) : " + " + put);
    return terms + " = " + eq::number(into.c, f_);
  }

  std::array<Rational, 2> substitute(const Equation& into, int known, const Rational& value) {
    const int other = 1 - known;
    const Rational ku = coefficient(into, known), kv = coefficient(into, other);
    const Rational rest = into.c - ku * value;
    std::string text = "由 " + eq::circled(into.number) + " 得 ";
    if (ku != 0) {
      text = "把 " + unknownName(known) + " = " + eq::number(value, f_) + " 代入 " +
             eq::circled(into.number) + "，得 " + substituted(into, known, value) + "，" +
             eq::sum({{kv, unknownName(other)}}, f_) + " = " + eq::number(rest, f_) + "，";
    }
    line(w_, LineKind::Step, text + solved(other, rest, kv));
    std::array<Rational, 2> solution;
    solution[known] = value;
    solution[other] = rest / kv;
    return solution;
  }

  Working& w_;
  const NumberFormat& f_;
  int next_ = 3;
};

}  // namespace

std::string text(const Equation& e, const NumberFormat& format) {
  return eq::sum({{e.a, notation::var("x")}, {e.b, notation::var("y")}}, format) + " = " +
         eq::number(e.c, format);
}

std::optional<std::array<Rational, 2>> eliminate(Working& w, const Equation& first,
                                                 const Equation& second,
                                                 const NumberFormat& format) {
  Eliminator e(w, format);
  const Equation p = e.cleared(first), q = e.cleared(second);
  const bool oneUnknownAlone = p.a == 0 || p.b == 0 || q.a == 0 || q.b == 0;
  const bool unique = p.a * q.b != q.a * p.b;
  const std::optional<std::array<Rational, 2>> solution =
      unique && oneUnknownAlone ? e.direct(p, q) : e.combine(p, q);
  if (solution)
    line(w, LineKind::Step,
         notation::formula("所以 x = ") + eq::number((*solution)[0], format) +
             notation::formula("，y = ") + eq::number((*solution)[1], format));
  return solution;
}

}  // namespace vorlinde::steps::system
