#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/arithmetic.h"
#include "core/numbers.h"

namespace vorlinde {

// The values of the trigonometry panel, in the order the window shows them.
enum class TrigStep { Radians, Sine, Cosine, Tangent, Cotangent, Secant, Cosecant };
inline constexpr TrigStep kTrigSteps[] = {TrigStep::Radians, TrigStep::Sine,      TrigStep::Cosine,
                                          TrigStep::Tangent, TrigStep::Cotangent, TrigStep::Secant,
                                          TrigStep::Cosecant};

// degrees × π / 180, the product first, with the program's π.
Real radians(Real degrees);

// The exact value c·√r, c = numerator / denominator in lowest terms, of a
// function at a special angle.
struct ExactTrigValue {
  int numerator = 0;  // carries the sign
  int denominator = 1;
  int radicand = 1;  // 1, 2 or 3
  double toDouble() const;
};
// sin, cos, tan, cot, sec and csc; nothing where the function is undefined.
using ExactTrigValues = std::array<std::optional<ExactTrigValue>, 6>;

// The six values of an angle that is a whole multiple of 30° or 45° (negative or
// past a turn too), with the signs of its quadrant; nothing for any other angle.
std::optional<ExactTrigValues> specialTrig(double degrees);

// What one label of the panel shows for an angle in degrees. The radians keep
// the program's π. At a special angle a function shows its exact value, or
// "不存在" where it is undefined; elsewhere it is computed from the radians, the
// cotangent, secant and cosecant as 1 / tan x, 1 / cos x and 1 / sin x, so an
// angle too small for the doubles raises error 11 or 6 there.
std::string trigCaption(TrigStep step, double degrees, const NumberFormat& format = {});

}  // namespace vorlinde
