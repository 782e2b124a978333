#include "core/measures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "core/runtime_error.h"

namespace vorlinde {
namespace {

constexpr const char* kNoTriangle = "no triangle";  // the window says "输入有误！"
constexpr const char* kOverflow = "error 6";

// Each figure takes up to three measurements; those it has no use for are 0.
using Shown = std::optional<Real>;
using Measure = Shown (*)(Real, Real, Real);
constexpr Measure kTriangle = [](Real a, Real b, Real) -> Shown { return triangleArea(a, b); };
constexpr Measure kSides = [](Real a, Real b, Real c) { return triangleAreaFromSides(a, b, c); };
constexpr Measure kRectangle = [](Real a, Real b, Real) -> Shown { return rectangleArea(a, b); };
constexpr Measure kTrapezoid = [](Real a, Real b, Real c) -> Shown {
  return trapezoidArea(a, b, c);
};
constexpr Measure kCircle = [](Real a, Real, Real) -> Shown { return circleArea(a); };
constexpr Measure kSector = [](Real a, Real b, Real) -> Shown { return sectorArea(a, b); };
constexpr Measure kCylinder = [](Real a, Real b, Real) -> Shown { return cylinderVolume(a, b); };
constexpr Measure kCone = [](Real a, Real b, Real) -> Shown { return coneVolume(a, b); };
constexpr Measure kSphere = [](Real a, Real, Real) -> Shown { return sphereVolume(a); };

// Many of these show a different last digit when the operations run in another
// order (h × π × r², angle × π / 360, r × r × r, the cone's / 3 taken early,
// Heron's perimeter or product regrouped). The largest ones find the overflow
// inside a formula: q though the sides and s fit, the sum of the bases. Sides
// 6.7, 2.5, 4.2 round q to a hair below zero: a flat triangle.
TEST(Measure, EveryFigureToTheLastDigit) {
  struct Case {
    Measure measure;
    const char* shown;  // the number text after "S=", or one of the two outcomes above
    double a, b = 0, c = 0;
  } cases[] = {{kTriangle, "7.5", 3, 5},
               {kTriangle, "-7.5", -3, 5},
               {kTriangle, "5", 2.5, 4},
               {kTriangle, "20000", 200, 200},
               {kTriangle, kOverflow, 1e200, 1e200},
               {kSides, "6", 3, 4, 5},
               {kSides, "5.33268225192539", 3, 4, 6},
               {kSides, "0.433012701892219", 1, 1, 1},
               {kSides, "26.8328157299975", 7, 8, 9},
               {kSides, "0", 1, 2, 3},
               {kSides, "0", 0, 5, 5},
               {kSides, kNoTriangle, 1, 2, 4},
               {kSides, kNoTriangle, 4, 1, 2},
               {kSides, kNoTriangle, 2, 4, 1},
               {kSides, kNoTriangle, 0, 5, 6},
               {kSides, kNoTriangle, -1, 2, 2},
               {kSides, "43301270.1892219", 10000, 10000, 10000},
               {kSides, "52394536.9289585", 11000, 11000, 11000},
               {kSides, "9999.999996875", 20000, 20000, 1},
               {kSides, "2.70632938682637", 2.5, 2.5, 2.5},
               {kSides, "0", 6.7, 2.5, 4.2},
               {kSides, "13.2526542152883", 6.7, 4.4, 6.2},
               {kSides, "4.37218480853682", 2.2, 6.1, 7.9},
               {kSides, "0.915870487569074", 1.7, 2.5, 4.1},
               {kSides, kOverflow, 1e200, 1e200, 1e200},
               {kSides, kOverflow, 1e103, 1e103, 1e103},
               {kRectangle, "42", 6, 7},
               {kRectangle, kOverflow, 1e200, 1e200},
               {kTrapezoid, "10.5", 5, 3, 2},
               {kTrapezoid, "6", 2.5, 3, 1.5},
               {kTrapezoid, kOverflow, 1e200, 1e200, 1e200},
               {kTrapezoid, kOverflow, 1.5e308, 1, 1.5e308},
               {kCircle, "3.14159265358979", 1},
               {kCircle, "12.5663706143592", 2},
               {kCircle, "12.5663706143592", -2},
               {kCircle, kOverflow, 1e200},
               {kSector, "3.14159265358979", 2, 90},
               {kSector, "39.2699081698724", 10, 45},
               {kSector, "3.14159265358979", 1, 360},
               {kSector, "6.28318530717958", 1, 720},
               {kSector, "-0.785398163397448", 1, -90},
               {kSector, "181.631506516529", 7.45, 375},
               {kSector, kOverflow, 1e200, 1},
               {kCylinder, "3.14159265358979", 1, 1},
               {kCylinder, "37.6991118430775", 2, 3},
               {kCylinder, "7.85398163397447", 0.5, 10},
               {kCylinder, "37.6991118430775", -2, 3},
               {kCylinder, "-37.6991118430775", 2, -3},
               {kCylinder, "53261.8386543324", 6.82, 364.5},
               {kCylinder, kOverflow, 1e200, 1},
               {kCone, "3.14159265358979", 1, 3},
               {kCone, "1.0471975511966", 1, 1},
               {kCone, "12.5663706143592", 2, 3},
               {kCone, "12.5663706143592", -2, 3},
               {kCone, "80748.2774354021", 18.5, 225.3},
               {kCone, kOverflow, 1e200, 1},
               {kSphere, "4.18879020478639", 1},
               {kSphere, "33.5103216382911", 2},
               {kSphere, "113.097335529232", 3},
               {kSphere, "-4.18879020478639", -1},
               {kSphere, "483.810726646464", 4.87},
               {kSphere, kOverflow, 1e200}};
  for (const Case& c : cases) {
    std::string shown;
    try {
      const Shown result = c.measure(c.a, c.b, c.c);
      shown = result ? numberText(result->value()) : kNoTriangle;
    } catch (const RuntimeError& e) {
      shown = "error " + std::to_string(e.number());
    }
    EXPECT_EQ(shown, c.shown) << c.a << " " << c.b << " " << c.c;
  }
}

}  // namespace
}  // namespace vorlinde
