#pragma once

#include <array>
#include <string>

#include "exact/angles.h"
#include "exact/exact.h"

// The names and definitions of the six trigonometric functions as the working
// writes them, and the reduction of an angle to its reference angle in words.

namespace vorlinde::steps {

// In the window's order: sin, cos, tan, cot, sec, csc.
inline constexpr int kTrigFunctions = 6;
extern const std::array<const char*, kTrigFunctions> kTrigNames;        // "sin α", …
extern const std::array<const char*, kTrigFunctions> kTrigDefinitions;  // "tan α = sin α/cos α", …

using exact::ExactTrig;
using exact::exactTrig;
using exact::reduceAngle;

// The angle's place: "第二象限，参考角 30°" and the reduction of sin and cos to
// the reference angle, "sin 150° = sin 30°，cos 150° = -cos 30°"; empty on an axis
// or in the first quadrant.
std::string referenceAngle(const exact::Rational& degrees);

}  // namespace vorlinde::steps
