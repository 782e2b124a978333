#include <cmath>

#include "exact/estimate.h"
#include "exact/notation.h"
#include "exact/transcendental.h"
#include "steps/algebra/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/roots.h"
#include "steps/shared/values.h"

// m to the power n: whole exponents exactly, fractional ones as roots where they
// come out exact.

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::Integer;
using exact::Rational;

// Made on first use: a namespace-scope string would be built at every start-up.
const std::string& powerName() {
  static const std::string name = formula("m" + notation::sup("n"));
  return name;
}
// Past this a root's index is not tried for an exact root.
constexpr unsigned long kLargestRootIndex = 100000;

std::string raised(const Rational& m, const Rational& n, const NumberFormat& format) {
  return base(m, format) + notation::sup(n.get_str());
}

// "³√x", "√x".
std::string rootOf(const Integer& index, const std::string& radicand) {
  return (index == 2 ? "" : notation::sup(index.get_str())) + notation::root(radicand);
}

// n, where |n| < 2⁶², else nothing.
std::optional<std::int64_t> smallWhole(const Integer& n) {
  const std::optional<std::int64_t> k = exact::toInt64(n);
  return k && *k > -(std::int64_t{1} << 62) && *k < (std::int64_t{1} << 62) ? k : std::nullopt;
}

// The size of m^n from its logarithm, where even its estimate is out of reach.
std::string sizeOnly(const Rational& m, const Rational& n, const NumberFormat& format) {
  const auto ln = [](const Integer& x) {
    long bits = 0;
    const double mantissa = mpz_get_d_2exp(&bits, x.get_mpz_t());
    return std::log(std::abs(mantissa)) + static_cast<double>(bits) * std::log(2.0);
  };
  const double digits = n.get_d() * (ln(m.get_num()) - ln(m.get_den())) / std::log(10.0);
  if (!std::isfinite(digits)) return powerName() + " 无法估计";
  if (digits > 0)
    return powerName() + " 约是一个 " + numberText(std::floor(digits) + 1, format) + " 位数";
  return powerName() + " 非常接近 0，小数点后约有 " + numberText(std::floor(-digits), format) +
         " 个 0";
}

// The power too long to write out: its estimate after the steps so far (lead).
void answerEstimate(Working& w, const Rational& m, const Rational& n, const NumberFormat& format,
                    const std::string& lead) {
  const std::optional<exact::Decimal> near = exact::powerDecimal(m, n, format);
  if (!near) {
    line(w, LineKind::Note, "指数太大，只能估计这个幂的大小。");
    answer(w, {sizeOnly(m, n, format)});
    return;
  }
  const exact::Shown shown = exact::showDecimal(*near);
  line(w, LineKind::Step, lead + " " + shown.text());
  line(w, LineKind::Note,
       near->exact ? "结果太长，用科学记数法写出。" : "结果太长，不写出每一位，只取近似值。");
  answer(w, {answerItem(powerName(), shown)});
}

void overflowNote(Working& w, const Calculation& c) {
  if (c.error == 6) errorLine(w, c, kWindowOverflow);
}

// The power written out: "2⁵ = 2×2×2×2×2", "(2/3)³ = 2³/3³", "2⁻³ = 1/2³".
std::string expansion(const Rational& m, const Integer& n, const NumberFormat& format) {
  const std::string power = raised(m, n, format);
  if (n < 0) return power + " = " + notation::frac("1", raised(m, -n, format));
  if (m.get_den() != 1)
    return power + " = " +
           notation::frac(base(m.get_num(), format) + exponent(n),
                          base(m.get_den(), format) + exponent(n));
  const std::string f = factor(m, format);
  if (n <= 6) {
    std::string product = f;
    for (long k = 1; k < n.get_si(); ++k)
      product += "×" + f;
    return n == 1 ? power : power + " = " + product;
  }
  return power + " = " + f + "×" + f + "×…×" + f + "（" + n.get_str() + " 个 " + f + " 相乘）";
}

// 0 to a negative power, whole ("整数次幂") or fractional ("分数指数幂"), divides by 0.
void zeroToNegative(Working& w, const Calculation& c, const std::string& kind) {
  line(w, LineKind::Step, "0 的负" + kind + "相当于用 0 作除数，没有意义。");
  windowNote(w, c, "窗口在这里遇到了用 0 作除数。");
  answer(w, {"0 的负数次幂没有意义"});
}

void wholePower(Working& w, const Calculation& c, const Rational& m, const Integer& n) {
  if (n == 0) {
    if (m == 0) {
      line(w, LineKind::Step, "0 的 0 次幂没有意义（窗口按 1 计算）。");
      answer(w, {"0" + notation::sup("0") + " 没有意义"});
      return;
    }
    line(w, LineKind::Step, "任何不等于 0 的数的 0 次幂都等于 1。");
    answer(w, {powerName() + " = 1"});
    return;
  }
  if (m == 0 && n < 0) return zeroToNegative(w, c, "整数次幂");
  line(w, LineKind::Method,
       n > 0 ? formula("乘方：n 个 m 相乘") : formula("负整数指数幂：a⁻ⁿ = 1/aⁿ（a ≠ 0）"));
  if (sgn(m) < 0) line(w, LineKind::Note, "负数的偶次幂是正数，奇次幂是负数。");
  overflowNote(w, c);
  // 1, -1 and 0 keep their size whatever the exponent: only its parity counts.
  const bool unit = abs(m) == 1 || m == 0;
  const std::optional<std::int64_t> small = smallWhole(n);
  const std::int64_t e = small ? *small : mpz_odd_p(n.get_mpz_t()) ? 1 : 2;
  const std::optional<Rational> value =
      small || unit ? exact::power(m, e, exact::kMostExactDigits) : std::nullopt;
  const std::string lead = expansion(m, n, c.format);
  if (!value) return answerEstimate(w, m, n, c.format, lead);
  const exact::Shown shown = exact::show(*value, c.format);
  line(w, LineKind::Step, lead + " = " + shown.text());
  if (value->get_den() == 1 && abs(value->get_num()) >= 10)
    line(w, LineKind::Step,
         "结果共有 " + std::to_string(exact::digitCount(value->get_num())) + " 位。");
  answer(w, {answerItem(powerName(), shown)});
}

// A rational q-th root of m > 0, when there is one.
std::optional<Rational> exactRoot(const Rational& m, const Integer& q) {
  if (q > kLargestRootIndex) return std::nullopt;
  const unsigned long index = q.get_ui();
  Integer top, bottom;
  if (!mpz_root(top.get_mpz_t(), m.get_num_mpz_t(), index)) return std::nullopt;
  if (!mpz_root(bottom.get_mpz_t(), m.get_den_mpz_t(), index)) return std::nullopt;
  return Rational(top, bottom);
}

void positiveFractional(Working& w, const Calculation& c, const Rational& m, const Rational& n) {
  const Integer p = n.get_num(), q = n.get_den();
  const std::string power = raised(m, n, c.format);
  line(w, LineKind::Method, formula("分数指数幂：a^(p/q) = ᵠ√(aᵖ) = (ᵠ√a)ᵖ（a > 0）"));
  if (const std::optional<Rational> r = exactRoot(m, q)) {
    const std::optional<Rational> value =
        smallWhole(p) ? exact::power(*r, *smallWhole(p), exact::kMostExactDigits) : std::nullopt;
    const std::string root = rootOf(q, number(m, c.format));
    if (!value) return answerEstimate(w, m, n, c.format, power);
    const exact::Shown shown = exact::show(*value, c.format);
    const std::string steps =
        p == 1 ? root : "(" + root + ")" + exponent(p) + " = " + raised(*r, p, c.format);
    line(w, LineKind::Step, power + " = " + steps + " = " + shown.text());
    answer(w, {answerItem(powerName(), shown)});
    return;
  }
  const std::optional<Rational> inside =
      q == 2 && smallWhole(p) ? exact::power(m, *smallWhole(p), exact::kMostExactDigits)
                              : std::nullopt;
  if (inside) {
    const SimplestRoot root = simplestRoot(*inside, c.format);
    const exact::Shown& shown = root.shown;
    const std::string radicand = p == 1 ? "" : notation::root(raised(m, p, c.format)) + " = ";
    line(w, LineKind::Step, power + " = " + radicand + root.chain + decimalPart(shown));
    answer(w, {answerItem(powerName(), shown)});
    return;
  }
  line(w, LineKind::Step, formula("m 开 ") + q.get_str() + " 次方开不尽，只能取近似值。");
  if (const std::optional<exact::Decimal> value = exact::powerDecimal(m, n, c.format)) {
    line(w, LineKind::Step, power + " ≈ " + value->text);
    answer(w, {powerName() + " ≈ " + value->text});
    return;
  }
  answerEstimate(w, m, n, c.format, power);
}

void fractionalPower(Working& w, const Calculation& c, const Rational& m, const Rational& n) {
  if (sgn(m) < 0) {
    line(w, LineKind::Step, "分数指数幂只对正数规定：负数的非整数次幂不是实数。");
    if (mpz_odd_p(n.get_den_mpz_t()))
      line(w, LineKind::Note,
           formula("根式 ᵠ√(mᵖ) 在 q 为奇数时有意义，但分数指数幂仍只对正数规定。"));
    windowNote(w, c, "窗口不能计算负数的非整数次幂。");
    answer(w, {"负数的非整数次幂没有意义（不是实数）"});
    return;
  }
  if (m == 0) {
    if (sgn(n) > 0) {
      line(w, LineKind::Step, "0 的正分数指数幂等于 0。");
      answer(w, {powerName() + " = 0"});
    } else {
      zeroToNegative(w, c, "分数指数幂");
    }
    return;
  }
  overflowNote(w, c);
  positiveFractional(w, c, m, n);
}

}  // namespace

Working powerWorking(const Calculation& c) {
  Working w = begin(algebraCaption(), "乘方");
  line(w, LineKind::Given, given(c, var("m"), 0));
  line(w, LineKind::Given, given(c, var("n"), 1));
  const std::optional<Rational> m = typed(c, 0), n = typed(c, 1);
  if (!m || !n) {
    answer(w, {kNotANumber});
    return w;
  }
  if (n->get_den() == 1)
    wholePower(w, c, *m, n->get_num());
  else
    fractionalPower(w, c, *m, *n);
  return w;
}

}  // namespace vorlinde::steps
