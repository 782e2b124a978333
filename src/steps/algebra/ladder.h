#pragma once

#include <string>
#include <vector>

#include "steps/figure.h"

// The short-division ladder (短除法) drawn as a figure: the primes divided by
// down the left, the numbers divided beside them, the quotients at the foot.

namespace vorlinde::steps {

// One rung of the ladder: the prime divided by and the numbers divided.
struct Rung {
  std::string divisor;
  std::vector<std::string> numbers;
};
// The rungs from the top, then the quotients left at the foot.
Figure ladderFigure(const std::vector<Rung>& rungs, const std::vector<std::string>& foot,
                    std::string caption);

}  // namespace vorlinde::steps
