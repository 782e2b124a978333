#include "core/natural.h"

#include <cstdlib>

#include "core/messages.h"
#include "core/numbers.h"

namespace vorlinde {

Real factorial(std::int16_t n) {
  Real product = 1;
  for (Int16 i = 1; i <= Int16(n); ++i)
    product = Real(i.toDouble()) * product;
  return product;
}

std::string factorialCaption(std::string_view text, const NumberFormat& format) {
  const std::int16_t n = readInt16(text, format);
  if (n < 0) return kRefusedInput;
  return kFactorialPrefix + numberText(factorial(n).value(), format);
}

DivisorAndMultiple divisorAndMultiple(std::int16_t a, std::int16_t b) {
  // Magnitudes first: the remainders then stay non-negative and -32768 has room.
  std::int32_t x = std::abs(std::int32_t{a}), y = std::abs(std::int32_t{b});
  while (y != 0) {
    std::int32_t r = x % y;
    x = y;
    y = r;
  }
  if (x == 0) return {0, 0};  // both numbers 0: no divisor to divide by
  // At most 32768 × 32768 / 1, which a 32-bit integer holds.
  std::int32_t multiple = std::abs(std::int32_t{a}) * std::abs(std::int32_t{b}) / x;
  return {x, multiple};
}

std::string divisorAndMultipleCaption(std::string_view first, std::string_view second,
                                      const NumberFormat& format) {
  const std::int16_t a = readInt16(first, format);
  const std::int16_t b = readInt16(second, format);
  const DivisorAndMultiple r = divisorAndMultiple(a, b);
  return std::string(kDivisorPrefix) + " " + numberText(r.divisor) + "  " + numberText(r.multiple);
}

}  // namespace vorlinde
