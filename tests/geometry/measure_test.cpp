#include "geometry/measure.h"

#include <gtest/gtest.h>

#include <functional>

#include "shell/runtime_error.h"

namespace vorlinde {
namespace {

// Where the overflow arises inside a formula, beyond the 1E200 cases the window
// shows: error 6, never an infinity shown as a result.
TEST(Measure, BeyondTheDoubleRangeIsAnOverflow) {
  const double huge = 1.5e308;
  std::function<void()> cases[] = {
      [&] { triangleAreaFromSides(huge, huge, huge); },     // the first pairwise sum
      [&] { triangleAreaFromSides(1e103, 1e103, 1e103); },  // q, though the sides fit
      [&] { trapezoidArea(huge, 1, huge); },                // the sum of the bases
      [&] { cylinderVolume(1, huge); },                     // h × π
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
