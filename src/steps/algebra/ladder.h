#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exact/exact.h"
#include "exact/primes.h"
#include "steps/figure.h"

// Prime factors written in the textbook's two forms, and
// the short-division ladder (短除法) drawn as a figure.

namespace vorlinde::steps {

using exact::PrimePower;

// "2³×3²×5".
std::string powersText(const std::vector<PrimePower>& factors);
// "2×2×2×3×3×5".
std::string productText(const std::vector<PrimePower>& factors);
// The primes up to √n that trial division tried: "2、3".
std::string primesUpToRoot(unsigned long long n);

// One rung of the ladder: the prime divided by and the numbers divided.
struct Rung {
  std::string divisor;
  std::vector<std::string> numbers;
};
// The rungs from the top, then the quotients left at the foot.
Figure ladderFigure(const std::vector<Rung>& rungs, const std::vector<std::string>& foot,
                    std::string caption);

}  // namespace vorlinde::steps
