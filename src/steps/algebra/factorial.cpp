#include <cmath>
#include <limits>

#include "core/messages.h"
#include "exact/notation.h"
#include "steps/algebra/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The factorial: the product written out, its digits and trailing zeros, and
// where the window's doubles overflow.

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::Integer;
using exact::Rational;

// Past this the exact factorial is not worked out, only its size.
constexpr long kLargestExactFactorial = 50000;

Integer factorial(long n) {
  Integer f;
  mpz_fac_ui(f.get_mpz_t(), static_cast<unsigned long>(n));
  return f;
}

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
  const auto near = [&](long k) { return exact::decimal(Rational(factorial(k)), c.format).text; };
  const std::string last = std::to_string(kLargestFactorial);
  const std::string first = std::to_string(kLargestFactorial + 1);
  const std::string what = "窗口用双精度数计算阶乘，最大只能表示约 " +
                           numberText(std::numeric_limits<double>::max(), c.format) + "：" + last +
                           "! ≈ " + near(kLargestFactorial) + " 还在范围内，" + first + "! ≈ " +
                           near(kLargestFactorial + 1) + formula(" 就超出了，所以 n ≥ ") + first +
                           " 时窗口报告溢出。";
  windowNote(w, c, what);
}

void hugeFactorial(Working& w, std::int64_t n) {
  // log₁₀ n! from the gamma function: enough for the number of digits.
  const double digits = std::floor(std::lgamma(static_cast<double>(n) + 1) / std::log(10.0)) + 1;
  const std::string count = numberText(digits);
  line(w, LineKind::Note, formula("n 太大，这里不再算出 n! 的每一位，只估计它的位数。"));
  answer(w, {std::to_string(n) + "! 约是一个 " + count + " 位数"});
}

}  // namespace

Working factorialWorking(const Calculation& c) {
  Working w = begin(algebraCaption(), "求阶乘");
  const WholeBox read = readWhole(c, 0);
  line(w, LineKind::Given, wholeGiven(c, var("n"), 0, read));
  if (!read.whole) {
    answer(w, {kNotANumber});
    return w;
  }
  const Integer& n = *read.whole;
  if (!fitsInt16(n)) {
    const std::string what = formula("窗口把 n 取整后只接受 ") + int16Range() + " 之间的整数，" +
                             number(n) + " 超出了这个范围。";
    windowNote(w, c, what);
  }
  if (n < 0) {
    line(w, LineKind::Step,
         std::string("阶乘只对自然数定义：负数没有阶乘，窗口显示“") + kRefusedInput + "”。");
    answer(w, {"负数没有阶乘"});
    return w;
  }
  line(w, LineKind::Method, formula("n! = 1×2×3×…×n，规定 0! = 1"));
  if (!within(n, 0, kLargestExactFactorial)) {
    if (const auto k = exact::toInt64(n); k && *k < 1'000'000'000'000'000'000)
      hugeFactorial(w, *k);
    else
      answer(w, {formula("n 太大，n! 的位数也无法估计")});
    return w;
  }
  const long k = n.get_si();
  const Integer f = factorial(k);
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
