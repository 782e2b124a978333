#pragma once

#include <string>

#include "steps/working.h"

// The exact values at a multiple of 15° that is no multiple of 30° or 45°, for
// its reference angle, 15° = 45° - 30° or 75° = 45° + 30°: the sine, cosine and
// tangent by the sum and difference formulas, the other three as reciprocals
// with the denominator rationalised.

namespace vorlinde::steps {

// The method line for the reference angle (15 or 75).
std::string angleSumMethod(int reference);
// The six values of the reference angle worked out from those of 45° and 30°.
void angleSumSteps(Working& w, int reference);

}  // namespace vorlinde::steps
