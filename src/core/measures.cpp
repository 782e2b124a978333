#include "core/measures.h"

namespace vorlinde {

bool measurable(const std::vector<Real>& values) {
  for (Real v : values)
    if (v < 0) return false;
  return true;
}

Real triangleArea(Real base, Real height) {
  return base * height / 2;
}

std::optional<Real> triangleAreaFromSides(Real a, Real b, Real c) {
  const Real ab = a + b, bc = b + c, ac = a + c;
  if (!(ab >= c && bc >= a && ac >= b)) return std::nullopt;
  const Real s = (ab + c) / 2;  // the perimeter, halved
  Real q = s * (s - a);
  q = q * (s - b);
  q = q * (s - c);
  // Past the side test no factor is negative in exact arithmetic; with
  // fractional sides a nearly flat triangle can still round one of them to a
  // hair below zero, and that triangle is flat.
  if (q < 0) q = 0;
  return squareRoot(q);
}

Real rectangleArea(Real length, Real width) {
  return length * width;
}

Real trapezoidArea(Real lower, Real height, Real upper) {
  return (upper + lower) * height / 2;
}

Real circleArea(Real radius) {
  return power(radius, 2) * kPi;
}

Real sectorArea(Real radius, Real degrees) {
  Real f = degrees / 360;
  f = f * kPi;
  return power(radius, 2) * f;
}

Real cylinderVolume(Real radius, Real height) {
  return power(radius, 2) * (height * kPi);
}

Real coneVolume(Real radius, Real height) {
  return power(radius, 2) * (height * kPi) / 3;
}

Real sphereVolume(Real radius) {
  Real k = Real(4) / 3;  // 1.3333333333333333, then scaled by π
  k = k * kPi;
  return power(radius, 3) * k;
}

}  // namespace vorlinde
