#include "exact/notation.h"
#include "exact/primes.h"
#include "steps/algebra/ladder.h"
#include "steps/algebra/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The greatest common divisor and least common multiple: short division by the
// common prime factors first, then Euclid's algorithm.

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::Integer;
using exact::PrimePower;

// Past this many steps Euclid's table is left out.
constexpr int kMostEuclidRows = 40;

std::string joined(const std::vector<std::string>& factors) {
  std::string text;
  for (const std::string& f : factors)
    text += (text.empty() ? "" : "×") + f;
  return text;
}

// "2×3 = 6"; a single factor alone.
std::string product(const std::vector<std::string>& factors, const Integer& value) {
  return factors.size() == 1 ? factors.front() : joined(factors) + " = " + number(value);
}

void shortDivision(Working& w, Integer x, Integer y, const std::vector<PrimePower>& common,
                   const Integer& divisor, const Integer& multiple) {
  line(w, LineKind::Method, "解法一：短除法（用公有的质因数连续去除，直到两个商互质）");
  std::vector<Rung> rungs;
  std::vector<std::string> divisors;
  for (const PrimePower& f : common) {
    for (int i = 0; i < f.exponent; ++i) {
      const std::string p = std::to_string(f.prime);
      rungs.push_back({p, {number(x), number(y)}});
      row(w, {p, "|", number(x), number(y)});
      const Integer prime = exact::toInteger(static_cast<std::int64_t>(f.prime));
      x /= prime;
      y /= prime;
      divisors.push_back(p);
    }
  }
  row(w, {"", "", number(x), number(y)});
  line(w, LineKind::Step, number(x) + " 和 " + number(y) + " 互质，除到这里为止。");
  std::vector<std::string> all = divisors;
  all.push_back(number(x));
  all.push_back(number(y));
  line(w, LineKind::Step, "最大公约数 = 所有除数的积 = " + product(divisors, divisor));
  line(w, LineKind::Step, "最小公倍数 = 所有除数与最后两个商的积 = " + product(all, multiple));
  w.figure = ladderFigure(rungs, {number(x), number(y)}, "短除法");
}

void coprime(Working& w, const Integer& x, const Integer& y) {
  line(w, LineKind::Method, "解法一：短除法");
  line(w, LineKind::Step,
       number(x) + " 和 " + number(y) + " 除了 1 没有别的公约数（互质），不能再用质数同时去除。");
  w.figure = ladderFigure({}, {number(x), number(y)}, number(x) + " 和 " + number(y) + " 互质");
}

void euclid(Working& w, Integer a, Integer b) {
  line(w, LineKind::Method, "解法二：辗转相除法（用较大的数除以较小的数，再用除数除以余数……）");
  if (a < b) swap(a, b);
  int steps = 0;
  for (Integer t = a, u = b; u != 0; ++steps) {
    const Integer r = t % u;
    t = u;
    u = r;
  }
  if (steps > kMostEuclidRows) {
    line(w, LineKind::Step, "共要除 " + std::to_string(steps) + " 次，这里从略。");
    return;
  }
  while (b != 0) {
    const Integer q = a / b, r = a % b;
    row(w, {number(a), "=", number(b) + " × " + number(q), "+", number(r)});
    a = b;
    b = r;
  }
  line(w, LineKind::Step, "余数为 0 时的除数 " + number(a) + " 就是最大公约数。");
}

// One of the numbers is 0: every whole number divides it.
Working zeroDivisor(Working& w, const Integer& x, const Integer& y) {
  const Integer other = x == 0 ? y : x;
  w.figure = ladderFigure({}, {number(x), number(y)}, "0 能被任何非零整数整除");
  if (other == 0) {
    line(w, LineKind::Step, "任何非零整数都能整除 0，所以 0 和 0 的公约数没有最大的；窗口显示 0。");
    line(w, LineKind::Step, "窗口把最小公倍数也算作 0。");
    answer(w, {"0 和 0 没有最大公约数", "最小公倍数 = 0"});
    return w;
  }
  line(w, LineKind::Step,
       "任何非零整数都能整除 0，所以 0 和 " + number(other) + " 的公约数就是 " + number(other) +
           " 的约数，最大公约数是 " + number(other) + "。");
  line(w, LineKind::Step, "公倍数通常只对正整数求；0 是任何数的倍数，窗口把最小公倍数算作 0。");
  answer(w, {"最大公约数 = " + number(other), "最小公倍数 = 0"});
  return w;
}

}  // namespace

Working divisorWorking(const Calculation& c) {
  Working w = begin(algebraCaption(), "求最大公约数与最小公倍数");
  const WholeBox ra = readWhole(c, 0), rb = readWhole(c, 1);
  line(w, LineKind::Given, wholeGiven(c, var("a"), 0, ra));
  line(w, LineKind::Given, wholeGiven(c, var("b"), 1, rb));
  if (!ra.whole || !rb.whole) {
    answer(w, {kNotANumber});
    return w;
  }
  const Integer &a = *ra.whole, &b = *rb.whole;
  if (!fitsInt16(a) || !fitsInt16(b))
    windowNote(w, c, "窗口把两个数取整后只接受 " + int16Range() + " 之间的整数，这里超出了范围。");
  const Integer x = abs(a), y = abs(b);
  if (a < 0 || b < 0)
    line(w, LineKind::Step,
         "公约数、公倍数与正负号无关，窗口按绝对值计算：" + number(x) + " 和 " + number(y) + "。");
  if (x == 0 || y == 0) return zeroDivisor(w, x, y);
  Integer g;
  mpz_gcd(g.get_mpz_t(), x.get_mpz_t(), y.get_mpz_t());
  const Integer m = x / g * y;
  if (g == 1) {
    coprime(w, x, y);
  } else if (const auto common = exact::primeFactors(g)) {
    shortDivision(w, x, y, *common, g, m);
  } else {
    line(w, LineKind::Note, "公约数太大，不用短除法。");
  }
  euclid(w, x, y);
  line(w, LineKind::Step,
       formula("最小公倍数 = a×b÷最大公约数 = ") + number(x) + "×" + number(y) + "÷" + number(g) +
           " = " + number(m));
  answer(w, {"最大公约数 = " + number(g), "最小公倍数 = " + number(m)});
  return w;
}

}  // namespace vorlinde::steps
