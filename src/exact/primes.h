#pragma once

#include <optional>
#include <vector>

#include "exact/exact.h"

// Prime factors by trial division, with the primes below 10⁶ found once by a
// sieve: the divisors every factorization of the working tries.

namespace vorlinde::exact {

// The primes up to 10⁶, smallest first.
const std::vector<unsigned long>& smallPrimes();
// The primes up to n ≤ 10⁶, smallest first.
std::vector<unsigned long> primesUpTo(unsigned long n);

struct PrimePower {
  unsigned long long prime;
  int exponent;
};
// Past this, trial division would take too long for a working.
inline constexpr unsigned long long kLargestFactorized = 1'000'000'000'000ULL;
// The prime factors of 2 ≤ n ≤ kLargestFactorized, smallest first; nothing otherwise.
std::optional<std::vector<PrimePower>> primeFactors(const Integer& n);

}  // namespace vorlinde::exact
