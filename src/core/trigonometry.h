#pragma once

#include "core/arithmetic.h"

namespace vorlinde {

// The values of the trigonometry panel, in the order the window shows them.
enum class TrigStep { Radians, Sine, Cosine, Tangent, Cotangent, Secant, Cosecant };
inline constexpr TrigStep kTrigSteps[] = {TrigStep::Radians, TrigStep::Sine,      TrigStep::Cosine,
                                          TrigStep::Tangent, TrigStep::Cotangent, TrigStep::Secant,
                                          TrigStep::Cosecant};

// degrees × π / 180, the product first, with the program's π.
Real radians(Real degrees);

// One value for the angle x in radians, computed afresh: the cotangent, secant
// and cosecant are the reciprocals 1 / tan x, 1 / cos x and 1 / sin x, so the
// angle 0 raises error 11 at the cotangent.
Real trigValue(TrigStep step, Real x);

}  // namespace vorlinde
