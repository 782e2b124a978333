#include "geometry/measure.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "shell/numbers.h"
#include "shell/runtime_error.h"

namespace vorlinde {
namespace {

std::string shown(const std::optional<Real>& area) {
  return area ? numberText(area->value()) : "refused";
}

// Each of these measurements shows a different last digit when the operations
// run in another order (h × π × r², angle × π / 360, r × r × r, a cone's / 3
// taken early, Heron's product regrouped), so they pin the order down.
TEST(Measure, OrderOfOperationsDecidesTheLastDigit) {
  struct Case {
    const char* figure;
    std::function<Real()> measure;
    const char* expected;
  } cases[] = {
      {"sector", [] { return sectorArea(7.45, 375); }, "181.631506516529"},
      {"sector", [] { return sectorArea(3.31, 98.5); }, "9.41758589525422"},
      {"cylinder", [] { return cylinderVolume(6.82, 364.5); }, "53261.8386543324"},
      {"cylinder", [] { return cylinderVolume(9.72, 222.8); }, "66129.8578324581"},
      {"cone", [] { return coneVolume(18.5, 225.3); }, "80748.2774354021"},
      {"cone", [] { return coneVolume(19.32, 214.7); }, "83921.8224738893"},
      {"sphere", [] { return sphereVolume(4.87); }, "483.810726646464"},
      {"sphere", [] { return sphereVolume(8.91); }, "2962.93225230032"},
      {"sides", [] { return *triangleAreaFromSides(6.7, 4.4, 6.2); }, "13.2526542152883"},
      {"sides", [] { return *triangleAreaFromSides(3.2, 6.1, 4); }, "5.7826199728151"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(numberText(c.measure().value()), c.expected) << c.figure;
}

TEST(Measure, SideTest) {
  struct Case {
    double a, b, c;
    const char* expected;
  } cases[] = {
      {3, 4, 5, "6"},
      {1, 2, 3, "0"},  // flat, but a triangle
      {0, 5, 5, "0"},
      {0, 5, 6, "refused"},
      {1, 2, 4, "refused"},
      {4, 1, 2, "refused"},
      {2, 4, 1, "refused"},
      {-1, 2, 2, "refused"},
      {-3, -4, -5, "refused"},
      // 2.5 + 4.2 is 6.7 exactly as doubles, yet s − 6.7 rounds to a hair below
      // zero: a flat triangle, not a square root of a negative number.
      {6.7, 2.5, 4.2, "0"},
      {3.936, 5.639, 1.703, "0"},
      {20000, 20000, 1, "9999.999996875"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(shown(triangleAreaFromSides(c.a, c.b, c.c)), c.expected)
        << c.a << ", " << c.b << ", " << c.c;
}

// Measurements whose sums, products or powers pass the double range: error 6,
// never an infinity shown as a result.
TEST(Measure, BeyondTheDoubleRangeIsAnOverflow) {
  const double big = 1e200, huge = 1.5e308;
  std::function<void()> cases[] = {
      [&] { triangleArea(big, big); },
      [&] { triangleAreaFromSides(huge, huge, huge); },     // the first pairwise sum
      [&] { triangleAreaFromSides(1e103, 1e103, 1e103); },  // q, though the sides fit
      [&] { rectangleArea(big, -big); },
      [&] { trapezoidArea(huge, 1, huge); },
      [&] { circleArea(-big); },
      [&] { sectorArea(big, 1); },
      [&] { cylinderVolume(1, huge); },
      [&] { coneVolume(big, 1); },
      [&] { sphereVolume(1e103); },
  };
  int i = 0;
  for (auto& measure : cases) {
    try {
      measure();
      ADD_FAILURE() << "case " << i << " gave a result";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), 6) << "case " << i;
    }
    ++i;
  }
}

}  // namespace
}  // namespace vorlinde
