#include "core/trigonometry.h"

#include <gtest/gtest.h>

#include "core/numbers.h"
#include "core/runtime_error.h"

namespace vorlinde::test {
namespace {

// The seven values for an angle, as the window writes them one after the other,
// up to the error that stops them.
std::string values(const char* degrees) {
  std::string shown;
  try {
    Real x = radians(readDouble(degrees));
    for (TrigStep step : kTrigSteps)
      shown += numberText(trigValue(step, x).value()) + " ";
  } catch (const RuntimeError& e) {
    shown += "error " + std::to_string(e.number());
  }
  return shown;
}

TEST(Trigonometry, Values) {
  struct Case {
    const char* degrees;
    const char* values;  // radians, sin, cos, tan, cot, sec, csc
  } cases[] = {
      {"30",
       "0.523598775598298 0.5 0.866025403784439 0.577350269189625 1.73205080756888 "
       "1.15470053837925 2 "},
      // π a little short of π: no exact zeros or poles away from 0.
      {"90",
       "1.5707963267949 1 1.61554457443259E-15 618986325617924 1.61554457443259E-15 "
       "618986325617924 1 "},
      // Angles keep their fractions.
      {"30.5",
       "0.53232542185827 0.507538362960704 0.861629160441526 0.58904501642055 1.69766311932609 "
       "1.16059210378577 1.97029441117819 "},
      // The cotangent is 1 / tan x: cos x / sin x would end in ...2260.
      {"6",
       "0.10471975511966 0.104528463267653 0.994521895368273 0.105104235265676 9.51436445422259 "
       "1.00550827956352 9.56677223350564 "},
      // The cotangent divides by a tangent of exactly 0.
      {"0", "0 0 1 0 error 11"},
      // So tiny that 1 / tan x leaves the double range.
      {"1E-310", "1.74532925199524E-312 1.74532925199524E-312 1 1.74532925199524E-312 error 6"},
      // The product comes first: 1E308 × π overflows before the division by 180.
      {"1E308", "error 6"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(values(c.degrees), c.values) << c.degrees;
}

}  // namespace
}  // namespace vorlinde::test
