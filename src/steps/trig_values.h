#pragma once

#include <array>
#include <optional>
#include <string>

#include "exact/exact.h"

// The six trigonometric functions of an angle in degrees, exact at the multiples
// of 30° and 45° (exact/transcendental.h rounds them elsewhere).

namespace vorlinde::steps {

// In the window's order: sin, cos, tan, cot, sec, csc.
inline constexpr int kTrigFunctions = 6;
extern const std::array<const char*, kTrigFunctions> kTrigNames;        // "sin α", …
extern const std::array<const char*, kTrigFunctions> kTrigDefinitions;  // "tan α = sin α/cos α", …

// Nothing where the function has no value (tan 90°).
using ExactTrig = std::array<std::optional<exact::Surd>, kTrigFunctions>;
// For 0 ≤ degrees < 360 a multiple of 30° or 45°; nothing for any other angle.
std::optional<ExactTrig> exactTrig(const exact::Rational& degrees);

// The angle's place: "第二象限，参考角 30°" and the reduction of sin and cos to
// the reference angle, "sin 150° = sin 30°，cos 150° = -cos 30°"; empty on an axis
// or in the first quadrant.
std::string referenceAngle(const exact::Rational& degrees);

// degrees − k·360 in [0, 360), and k.
struct Reduced {
  exact::Rational degrees;
  exact::Integer turns;
};
Reduced reduceAngle(const exact::Rational& degrees);

}  // namespace vorlinde::steps
