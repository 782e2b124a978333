#pragma once

#include "core/calculation.h"
#include "steps/working.h"

// The working of the geometry window's rows.

namespace vorlinde::steps {

// The working of any of the window's nine rows, chosen by the calculation's panel:
// the triangle by base and height or by three sides, the rectangle, the trapezoid,
// the circle, the sector, the cylinder, the cone and the sphere.
Working geometryWorking(const Calculation& c);

}  // namespace vorlinde::steps
