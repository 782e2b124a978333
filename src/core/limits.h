#pragma once

#include <cfloat>
#include <cstdint>
#include <limits>

// The bounds of the whole numbers the windows compute with, and the largest
// inputs their calculations hold.

namespace vorlinde {

// Most boxes are rounded to a 16-bit whole number.
inline constexpr long kInt16Min = std::numeric_limits<std::int16_t>::min();
inline constexpr long kInt16Max = std::numeric_limits<std::int16_t>::max();
// The special series count in 32 bits.
inline constexpr long long kInt32Max = std::numeric_limits<std::int32_t>::max();

// The special series multiply n(n + 1) in 32 bits: the last n whose product fits.
inline constexpr long long kLargestSeriesTerms = 46340;
static_assert(kLargestSeriesTerms * (kLargestSeriesTerms + 1) <= kInt32Max &&
              (kLargestSeriesTerms + 1) * (kLargestSeriesTerms + 2) > kInt32Max);

// The factorial multiplies in doubles: the last n whose n! they hold.
inline constexpr long kLargestFactorial = 170;
namespace detail {
// n! is finite (or the compiler refuses it) and (n + 1)! would not be.
constexpr bool lastFactorialInDoubles(long n) {
  double product = 1;
  for (long k = 2; k <= n; ++k)
    product *= k;
  return product > DBL_MAX / (n + 1);
}
}  // namespace detail
static_assert(detail::lastFactorialInDoubles(kLargestFactorial));

}  // namespace vorlinde
