#pragma once

#include <array>
#include <optional>

#include "exact/exact.h"
#include "exact/surd_sum.h"

// Angles in degrees, exactly: their reduction to one turn, and the six
// trigonometric functions at the multiples of 15°: at those of 30° and 45° from
// the table of special angles the windows use too, at the others by the sum
// formulas from that table.

namespace vorlinde::exact {

// sin, cos, tan, cot, sec and csc; nothing where the function has no value (tan 90°).
using ExactTrig = std::array<std::optional<SurdSum>, 6>;
// For a whole multiple of 15°; nothing for any other angle.
std::optional<ExactTrig> exactTrig(const Rational& degrees);

// degrees − k·360 in [0, 360), and k.
struct Reduced {
  Rational degrees;
  Integer turns;
};
Reduced reduceAngle(const Rational& degrees);

}  // namespace vorlinde::exact
