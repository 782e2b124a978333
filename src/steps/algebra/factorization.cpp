#include <cmath>
#include <limits>

#include "core/messages.h"
#include "exact/notation.h"
#include "steps/algebra/ladder.h"
#include "steps/algebra/panels.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// Prime factorization and the factorial.

namespace vorlinde::steps {
namespace {

using exact::Integer;
using exact::Rational;

// How the factorization read its box: leniently, then rounded.
std::string factorizationGiven(const Calculation& c, const WholeBox& read) {
  const std::optional<Rational> strict = typed(c, 0);
  if (strict && *strict == *read.typed) return wholeGiven(c, "n", 0, read);
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
  unsigned long long rest = mpz_get_ui(Integer(abs(n)).get_mpz_t());
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
  Working w = begin(kAlgebraCaption, "分解质因数");
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

namespace {

// Past this the exact factorial is not worked out, only its size.
constexpr long kLargestExactFactorial = 50000;

std::string factorialProduct(long n) {
  if (n <= 10) {
    std::string text = "1";
    for (long k = 2; k <= n; ++k)
      text += "×" + std::to_string(k);
    return text;
  }
  return "1×2×3×…×" + std::to_string(n);
}

// The trailing zeros of n!: each comes from a factor 5 with a factor 2.
long trailingZeros(long n) {
  long zeros = 0;
  for (long p = 5; p <= n; p *= 5)
    zeros += n / p;
  return zeros;
}

void overflowNote(Working& w, const Calculation& c) {
  const auto near = [&](unsigned long k) {
    Integer f;
    mpz_fac_ui(f.get_mpz_t(), k);
    return exact::decimal(Rational(f), c.format).text;
  };
  const std::string last = std::to_string(kLargestFactorial);
  const std::string first = std::to_string(kLargestFactorial + 1);
  const std::string what = "窗口用双精度数计算阶乘，最大只能表示约 " +
                           numberText(std::numeric_limits<double>::max(), c.format) + "：" + last +
                           "! ≈ " + near(kLargestFactorial) + " 还在范围内，" + first + "! ≈ " +
                           near(kLargestFactorial + 1) + " 就超出了，所以 n ≥ " + first +
                           " 时窗口报告溢出。";
  windowNote(w, c, what);
}

void hugeFactorial(Working& w, long n) {
  // log₁₀ n! from the gamma function: enough for the number of digits.
  const double digits = std::floor(std::lgamma(static_cast<double>(n) + 1) / std::log(10.0)) + 1;
  const std::string count = numberText(digits);
  line(w, LineKind::Note, "n 太大，这里不再算出 n! 的每一位，只估计它的位数。");
  answer(w, {std::to_string(n) + "! 约是一个 " + count + " 位数"});
}

}  // namespace

Working factorialWorking(const Calculation& c) {
  Working w = begin(kAlgebraCaption, "求阶乘");
  const WholeBox read = readWhole(c, 0);
  line(w, LineKind::Given, wholeGiven(c, "n", 0, read));
  if (!read.whole) {
    answer(w, {"输入的不是数"});
    return w;
  }
  const Integer& n = *read.whole;
  if (!fitsInt16(n)) {
    const std::string what =
        "窗口把 n 取整后只接受 " + int16Range() + " 之间的整数，" + number(n) + " 超出了这个范围。";
    windowNote(w, c, what);
  }
  if (n < 0) {
    line(w, LineKind::Step,
         std::string("阶乘只对自然数定义：负数没有阶乘，窗口显示“") + kRefusedInput + "”。");
    answer(w, {"负数没有阶乘"});
    return w;
  }
  line(w, LineKind::Method, "n! = 1×2×3×…×n，规定 0! = 1");
  if (!within(n, 0, kLargestExactFactorial)) {
    if (n < 1'000'000'000'000'000L)
      hugeFactorial(w, n.get_si());
    else
      answer(w, {"n 太大，n! 的位数也无法估计"});
    return w;
  }
  const long k = n.get_si();
  Integer f;
  mpz_fac_ui(f.get_mpz_t(), static_cast<unsigned long>(k));
  const std::string name = std::to_string(k) + "!";
  const std::string value = number(f);
  line(w, LineKind::Step, k == 0 ? "0! = 1" : name + " = " + factorialProduct(k) + " = " + value);
  const std::size_t digits = exact::digitCount(f);
  if (digits > 1) {
    std::string size = name + " 共有 " + std::to_string(digits) + " 位";
    if (digits > 15) size += "，约为 " + exact::decimal(Rational(f), c.format).text;
    line(w, LineKind::Step, size + "。");
  }
  if (k >= 5)
    line(w, LineKind::Note,
         name + " 的末尾有 " + std::to_string(trailingZeros(k)) +
             " 个 0：每个 0 来自一个因数 5 与一个因数 2 的乘积。");
  if (k > kLargestFactorial) overflowNote(w, c);
  answer(w, {name + " = " + value});
  return w;
}

}  // namespace vorlinde::steps
