#include "core/equations.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/numbers.h"
#include "core/runtime_error.h"

namespace vorlinde {
namespace {

using Labels = std::pair<std::string, std::string>;  // printed in full by a failure

// What a calculation gave: the two label texts, "guard" when a text was refused,
// or "error N" for a run-time error.
template <class Solve, class Texts>
Labels outcome(Solve solve, const Texts& texts) {
  try {
    for (const std::string& t : texts)
      if (!isNumeric(t)) return {"guard", "guard"};
    const Answer answer = solve(std::vector<std::string>(texts.begin(), texts.end()));
    return {answer.first, answer.second};
  } catch (const RuntimeError& e) {
    return {"error " + std::to_string(e.number()), ""};
  }
}

TEST(SolveQuadratic, Answers) {
  struct Case {
    std::array<std::string, 3> abc;
    Labels expected;
  } cases[] = {
      {{"1", "-3", "2"}, {"x1=2", "x2=1"}},
      {{"2", "-4", "-6"}, {"x1=3", "x2=-1"}},
      {{"1", "2", "1"}, {"x1=-1", "x2=-1"}},
      {{"1", "0", "0"}, {"x1=0", "x2=0"}},  // x2 is a negative zero
      {{"1", "0", "-4"}, {"x1=2", "x2=-2"}},
      {{"-1", "0", "4"}, {"x1=-2", "x2=2"}},  // x1 is the sum even when a < 0
      {{"1", "1", "0.1"}, {"x1=-0.112701665379258", "x2=-0.887298334620742"}},
      {{"1", "1", "0.25"}, {"x1=-0.5", "x2=-0.5"}},
      {{"1", "200", "1"}, {"x1=-0.00500012500624791", "x2=-199.994999874994"}},
      // Two quotients added, not one quotient of a sum: the last digit of x2 shows it.
      {{"3", "-30", "-28"}, {"x1=10.8594652770823", "x2=-0.859465277082315"}},
      {{" 1 ", "1,000", "1E2"}, {"x1=-0.100010002000488", "x2=-999.899989997999"}},
      // No real root, and the second label emptied.
      {{"1", "0", "1"}, {"无实数根", ""}},
      {{"1", "1", "0.375"}, {"无实数根", ""}},
      // The linear case, second label emptied.
      {{"0", "2", "-4"}, {"x=2", ""}},
      {{"0", "200", "1"}, {"x=-0.005", ""}},
      {{"-0", "4", "0"}, {"x=0", ""}},
      // a = b = 0: a division by zero, or 0 / 0.
      {{"0", "0", "5"}, {"error 11", ""}},
      {{"0", "0", "0"}, {"error 6", ""}},
      // Overflows; the discriminant's comes even before a is looked at.
      {{"0", "1E200", "1"}, {"error 6", ""}},
      {{"1E200", "1", "1E200"}, {"error 6", ""}},
      {{"1E-300", "1E10", "0"}, {"error 6", ""}},
      // The guard: every one of the three boxes must hold a number.
      {{"", "1", "1"}, {"guard", "guard"}},
      {{"1", "", "1"}, {"guard", "guard"}},
      {{"1", "1", "x"}, {"guard", "guard"}},
      {{"1", "1 2", "1"}, {"guard", "guard"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(outcome(solveQuadratic, c.abc), c.expected) << testing::PrintToString(c.abc);
}

TEST(SolveSystem, Answers) {
  struct Case {
    std::array<std::string, 6> coefficients;  // a1 b1 c1 a2 b2 c2
    Labels expected;
  } cases[] = {
      {{"1", "1", "3", "1", "-1", "1"}, {"x1=2", "x2=1"}},
      {{"2", "3", "8", "1", "-1", "-1"}, {"x1=1", "x2=2"}},
      {{"3", "0", "1", "0", "3", "2"}, {"x1=0.333333333333333", "x2=0.666666666666667"}},
      {{"0", "1", "0", "1", "0", "0"}, {"x1=0", "x2=0"}},
      // A zero determinant: x's division decides, by its numerator.
      {{"1", "1", "1", "1", "1", "2"}, {"error 11", ""}},
      {{"2", "4", "6", "1", "2", "3"}, {"error 6", ""}},
      {{"0", "0", "1", "1", "0", "0"}, {"error 6", ""}},  // y's numerator is not zero
      {{"1E200", "1", "1", "1", "1E200", "1"}, {"error 6", ""}},
      {{"1", "1", "", "1", "-1", "1"}, {"guard", "guard"}},
      {{"1", "1", "3", "1", "-1", "1a"}, {"guard", "guard"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(outcome(solveSystem, c.coefficients), c.expected)
        << testing::PrintToString(c.coefficients);
}

}  // namespace
}  // namespace vorlinde
