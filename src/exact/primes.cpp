#include "exact/primes.h"

#include <algorithm>

namespace vorlinde::exact {
namespace {

constexpr unsigned long kLargestSmallPrime = 1000000;

}  // namespace

const std::vector<unsigned long>& smallPrimes() {
  static const std::vector<unsigned long> primes = [] {
    std::vector<bool> composite(kLargestSmallPrime + 1);
    std::vector<unsigned long> list;
    for (unsigned long p = 2; p <= kLargestSmallPrime; ++p) {
      if (composite[p]) continue;
      list.push_back(p);
      for (unsigned long k = p * p; k <= kLargestSmallPrime; k += p)
        composite[k] = true;
    }
    return list;
  }();
  return primes;
}

std::vector<unsigned long> primesUpTo(unsigned long n) {
  const std::vector<unsigned long>& all = smallPrimes();
  return {all.begin(), std::upper_bound(all.begin(), all.end(), n)};
}

std::optional<std::vector<PrimePower>> primeFactors(const Integer& n) {
  const std::optional<std::int64_t> small = toInt64(n);
  if (!small || *small < 2 || static_cast<unsigned long long>(*small) > kLargestFactorized)
    return std::nullopt;
  unsigned long long rest = *small;
  std::vector<PrimePower> factors;
  for (unsigned long long p = 2; p * p <= rest; p += (p == 2 ? 1 : 2)) {
    int e = 0;
    for (; rest % p == 0; rest /= p)
      ++e;
    if (e > 0) factors.push_back({p, e});
  }
  if (rest > 1) factors.push_back({rest, 1});
  return factors;
}

}  // namespace vorlinde::exact
