#include "core/series.h"

#include <cmath>

#include "core/messages.h"
#include "core/numbers.h"

namespace vorlinde {
namespace {

Real real(Int16 n) {
  return n.toDouble();
}
Real real(Int32 n) {
  return n.toDouble();
}

// The number of terms as typed, rounded half to even; nothing when it rounds below
// 1, however far, since a sequence starts at its first term. The kind's range is
// tested afterwards, so only a count too large is an overflow.
std::optional<double> termCount(std::string_view n, const NumberFormat& format) {
  const double rounded = std::nearbyint(readDouble(n, format));
  if (rounded < 1) return std::nullopt;
  return rounded;
}

}  // namespace

TermAndSum arithmeticSequence(double a1, double d, Int16 n) {
  const Int16 previous = n - 1;
  const Real term = real(previous) * d + a1;
  // The sum is formed from the term just computed, not from a second formula.
  const Real sum = ((term + a1) * real(n)) / 2;
  return {term.value(), sum.value()};
}

std::optional<TermAndSum> geometricSequence(double a1, double q, Int16 n) {
  if (q == 1) return std::nullopt;
  const Int16 previous = n - 1;
  const Real term = power(q, real(previous)) * a1;
  const Real sum = ((power(q, real(n)) - 1) * a1) / (Real(q) - 1);
  return TermAndSum{term.value(), sum.value()};
}

std::array<double, 7> specialSums(Int32 n) {
  const Real x = real(n);

  // Each sum groups its operations in one fixed order: the divisions
  // by 6 and 3 come first, which decides the last digits of the large sums.
  const Int32 product1 = n * (n + 1);  // overflows beyond 46340 and below -46341
  const Real s1 = real(product1) / 2;

  const Real s2 = power(x, 2);

  const Int32 product3 = n * (n + 1);
  const Real s3 = real(product3);

  const Int32 next4 = n + 1;
  const Int32 twice = 2 * n;
  const Int32 odd = twice + 1;
  const Real s4 = x / 6 * real(next4) * real(odd);

  const Int32 product5 = n * (n + 1);
  const Real s5 = power(real(product5) / 2, 2);

  const Int32 next6 = n + 1;
  const Int32 afterNext = n + 2;
  const Real s6 = x / 3 * real(next6) * real(afterNext);

  const Int32 next7 = n + 1;
  const Real s7 = x / real(next7);

  return {s1.value(), s2.value(), s3.value(), s4.value(), s5.value(), s6.value(), s7.value()};
}

std::array<std::string, 2> arithmeticPanel(std::string_view a1, std::string_view d,
                                           std::string_view n, const NumberFormat& format) {
  const double first = readDouble(a1, format);
  const double difference = readDouble(d, format);
  const std::optional<double> count = termCount(n, format);
  if (!count) return {kRefusedInput, kRefusedInput};
  const TermAndSum r = arithmeticSequence(first, difference, roundToInt16(*count));
  return {numberText(r.term, format), numberText(r.sum, format)};
}

std::array<std::string, 2> geometricPanel(std::string_view a1, std::string_view q,
                                          std::string_view n, const NumberFormat& format) {
  const double first = readDouble(a1, format);
  const double ratio = readDouble(q, format);
  // n is tested before q is looked at: even for q = 1, an n below 1 is refused and
  // one too large overflows.
  const std::optional<double> count = termCount(n, format);
  if (!count) return {kRefusedInput, kRefusedInput};
  const std::optional<TermAndSum> r = geometricSequence(first, ratio, roundToInt16(*count));
  if (!r) return {kRatioOneFirst, kRatioOneSecond};
  return {numberText(r->term, format), numberText(r->sum, format)};
}

std::array<std::string, 7> specialSeriesPanel(std::string_view n, const NumberFormat& format) {
  std::array<std::string, 7> texts;
  const std::optional<double> count = termCount(n, format);
  if (!count) {
    texts.fill(kRefusedInput);
    return texts;
  }
  const std::array<double, 7> sums = specialSums(roundToInt32(*count));
  for (std::size_t i = 0; i < sums.size(); ++i)
    texts[i] = numberText(sums[i], format);
  return texts;
}

}  // namespace vorlinde
