#include <cmath>

#include "exact/notation.h"
#include "exact/primes.h"
#include "steps/algebra/ladder.h"
#include "steps/algebra/panels.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// Prime factorization by short division, or the primes tried where the number is prime.

namespace vorlinde::steps {
namespace {

using notation::var;

using exact::Integer;
using exact::PrimePower;
using exact::Rational;

// "2³×3²×5".
std::string powersText(const std::vector<PrimePower>& factors) {
  std::string text;
  for (const PrimePower& f : factors) {
    if (!text.empty()) text += "×";
    text += std::to_string(f.prime);
    if (f.exponent > 1) text += notation::sup(std::to_string(f.exponent));
  }
  return text;
}

// "2×2×2×3×3×5".
std::string productText(const std::vector<PrimePower>& factors) {
  std::string text;
  for (const PrimePower& f : factors)
    for (int i = 0; i < f.exponent; ++i)
      text += (text.empty() ? "" : "×") + std::to_string(f.prime);
  return text;
}

// The primes up to √n that trial division tried: "2、3".
std::string primesUpToRoot(unsigned long long n) {
  // √n is at most 10⁶ for the numbers factorized.
  unsigned long limit = 0;
  while ((limit + 1ULL) * (limit + 1) <= n)
    ++limit;
  const std::vector<unsigned long> primes = exact::primesUpTo(limit);
  // A long list is shortened to its first and last primes.
  constexpr std::size_t kListed = 12;
  std::string text;
  for (std::size_t i = 0; i < primes.size(); ++i) {
    if (primes.size() > kListed && i == 3) {
      text += "、…";
      i = primes.size() - 1;
    }
    text += (text.empty() ? "" : "、") + std::to_string(primes[i]);
  }
  return text;
}

// How the factorization read its box: leniently, then rounded.
std::string factorizationGiven(const Calculation& c, const WholeBox& read) {
  const std::optional<Rational> strict = typed(c, 0);
  if (strict && *strict == *read.typed) return wholeGiven(c, var("n"), 0, read);
  const std::string text = typedText(c, 0);
  std::string out = text.empty()
                        ? "输入框是空的，按 0 读入"
                        : "输入的是“" + text + "”，按 " + number(*read.typed, c.format) + " 读入";
  if (read.rounded()) out += "，取整为 " + number(*read.whole);
  return out;
}

// 0, 1 and -1 have no prime factors; the answer says why.
void notFactorized(Working& w, const Integer& n) {
  const std::string why = n == 0 ? "0 能被任何非零整数整除，它既不是素数也不是合数"
                                 : number(n) + " 只有 1 这一个正因数，它既不是素数也不是合数";
  line(w, LineKind::Step, why + "，所以不分解质因数。");
  w.figure = ladderFigure({}, {number(n)}, number(n) + " 不分解质因数");
  answer(w, {number(n) + " 不能分解质因数"});
}

void prime(Working& w, const Integer& n, unsigned long long p, const NumberFormat& format) {
  const std::string tried = primesUpToRoot(p);
  const std::string s = std::to_string(p);
  if (!tried.empty()) {
    const double root = std::sqrt(static_cast<double>(p));
    line(w, LineKind::Step,
         "只需用不大于 " + notation::root(s) + " ≈ " +
             numberText(std::floor(root * 100) / 100, format) + " 的质数去试除：" + tried +
             " 都不能整除 " + s + "。");
  }
  line(w, LineKind::Step,
       (tried.empty() ? "" : "所以 ") + s + " 是素数（质数），只有 1 和它本身两个因数。");
  w.figure = ladderFigure({}, {s}, s + " 是素数，不能再分");
  answer(w, {n < 0 ? number(n) + " = -" + s + "，" + s + " 是素数" : s + " 是素数"});
}

void composite(Working& w, const Integer& n, const std::vector<PrimePower>& factors) {
  line(w, LineKind::Method, "短除法：用质数依次去除，直到商是质数为止");
  std::vector<unsigned long long> primes;
  for (const PrimePower& f : factors)
    primes.insert(primes.end(), f.exponent, f.prime);
  unsigned long long rest = *exact::toInt64(abs(n));
  std::vector<Rung> rungs;
  for (std::size_t i = 0; i + 1 < primes.size(); ++i) {
    const std::string p = std::to_string(primes[i]);
    rungs.push_back({p, {std::to_string(rest)}});
    row(w, {std::to_string(rest), "÷ " + p, "= " + std::to_string(rest / primes[i])});
    rest /= primes[i];
  }
  line(w, LineKind::Step, std::to_string(rest) + " 是质数，除到这里为止。");
  const std::string magnitude = number(abs(n));
  const std::string powers = powersText(factors);
  line(w, LineKind::Step, magnitude + " = " + productText(factors) + " = " + powers);
  w.figure = ladderFigure(rungs, {std::to_string(rest)}, magnitude + " = " + powers);
  if (n < 0) {
    line(w, LineKind::Step,
         "负数不分解质因数；它的绝对值分解后添上负号：" + number(n) + " = -(" + powers + ")");
    answer(w, {number(n) + " = -(" + powers + ")"});
  } else {
    answer(w, {magnitude + " = " + powers});
  }
}

}  // namespace

Working factorizationWorking(const Calculation& c) {
  Working w = begin(algebraCaption(), "分解质因数");
  const WholeBox read = readWholeLeniently(c, 0);
  if (!read.typed) {
    line(w, LineKind::Given, "输入的是“" + typedText(c, 0) + "”");
    errorLine(w, c, "这个数超出了能读入的范围。");
    answer(w, {"这个数太大，不能分解"});
    return w;
  }
  line(w, LineKind::Given, factorizationGiven(c, read));
  const Integer& n = *read.whole;
  if (!fitsInt16(n)) {
    const std::string what = "窗口把输入取整后只能分解 " + int16Range() + " 之间的整数，" +
                             number(n) + " 超出了这个范围。";
    windowNote(w, c, what);
  } else if (n < -1) {
    line(w, LineKind::Note, "窗口对负数不作分解，只列出“" + number(n) + " = ”。");
  }
  if (within(n, -1, 1)) {
    notFactorized(w, n);
    return w;
  }
  const std::optional<std::vector<PrimePower>> factors = exact::primeFactors(abs(n));
  if (!factors) {
    line(w, LineKind::Note, "这个数太大，这里不用试除法分解。");
    w.figure = ladderFigure({}, {number(n)}, "");
    answer(w, {"这个数太大，这里不作分解"});
    return w;
  }
  if (factors->size() == 1 && factors->front().exponent == 1)
    prime(w, n, factors->front().prime, c.format);
  else
    composite(w, n, *factors);
  return w;
}

}  // namespace vorlinde::steps
