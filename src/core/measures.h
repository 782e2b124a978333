#pragma once

#include <optional>
#include <vector>

#include "core/arithmetic.h"

// The areas and volumes of the geometry window. Every measurement is a double,
// fractions included; the operations run in the order written below, since that
// order decides the last digits shown. An overflow anywhere raises error 6.

namespace vorlinde {

// Lengths, radii, heights and angles are never negative: a row with a negative
// one is refused, as impossible sides are.
bool measurable(const std::vector<Real>& values);

// base × height / 2.
Real triangleArea(Real base, Real height);

// Heron's formula. The three pairwise sums are formed before any comparison;
// sides that fail a + b ≥ c, b + c ≥ a, a + c ≥ b give no area (the window says
// "输入有误！"). A degenerate triangle passes and has the area 0.
std::optional<Real> triangleAreaFromSides(Real a, Real b, Real c);

// length × width.
Real rectangleArea(Real length, Real width);

// (upper + lower) × height / 2.
Real trapezoidArea(Real lower, Real height, Real upper);

// r² × π, the square by the power operation.
Real circleArea(Real radius);

// r² × (degrees / 360 × π); the angle is not limited.
Real sectorArea(Real radius, Real degrees);

// r² × (h × π).
Real cylinderVolume(Real radius, Real height);

// r² × (h × π) / 3, the division last.
Real coneVolume(Real radius, Real height);

// r³ × (4 / 3 × π); the cube keeps the radius's sign.
Real sphereVolume(Real radius);

}  // namespace vorlinde
