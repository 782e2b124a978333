#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/linear_system.h"
#include "core/runtime_error.h"

namespace vorlinde {
namespace {

using Rows = std::vector<std::vector<double>>;

void fill(LinearSystem& s, const Rows& a, const std::vector<double>& b) {
  s.unknownCount = static_cast<std::int16_t>(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < a.size(); ++j)
      s.coefficients[i + 1][j + 1] = a[i][j];
    s.rightHandSides[i + 1] = b[i];
  }
}

// One system for all cases, ten unknowns first: every later case follows a larger
// one, whose entries beyond n must neither change its answer nor be written.
TEST(LinearSystem, Solutions) {
  Rows ten(10, std::vector<double>(10));  // integers, solved by 1, -2, 3, ..., -10
  std::vector<double> tenB(10), tenX(10);
  for (int j = 0; j < 10; ++j)
    tenX[j] = (j % 2 ? -1 : 1) * (j + 1);
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j < 10; ++j) {
      ten[i][j] = i == j ? 3 + i : (i * 3 + j * 7) % 11 - 5;
      tenB[i] += ten[i][j] * tenX[j];
    }
  struct Case {
    const char* what;
    Rows a;
    std::vector<double> b, x;
  } cases[] = {
      {"ten unknowns", ten, tenB, tenX},
      {"plain", {{2, 1}, {1, 3}}, {3, 5}, {0.8, 1.4}},
      {"first pivot from column 2", {{1, 5}, {2, 3}}, {11, 8}, {1, 2}},
      {"row and column exchange", {{1, 1, 1}, {0, 2, 5}, {2, 5, -1}}, {6, -4, 27}, {5, 3, -2}},
      {"tie in row 1", {{2, -2}, {1, 1}}, {0, 2}, {1, 1}},
      // Column 1 goes to 3 in step 1 and on to 2 in step 2: undone in the wrong
      // order the values would come back rotated.
      {"a column moved twice", {{1, 2, 9}, {7, 1, 1}, {1, 1, 1}}, {32, 12, 6}, {1, 2, 3}},
      {"one unknown", {{4}}, {-3}, {-0.75}},
      {"smallest pivot that passes", {{1.2e-16}}, {1}, {1 / 1.2e-16}},
  };
  LinearSystem s;
  for (const Case& c : cases) {
    LinearSystem fresh;
    fill(fresh, c.a, c.b);
    fill(s, c.a, c.b);
    const LinearSystem::Vector before = s.solution;
    ASSERT_TRUE(fresh.gaussSolve() && s.gaussSolve()) << c.what;
    const std::size_t n = c.x.size();
    for (std::size_t i = 1; i <= 10; ++i) {
      const double x = i <= n ? c.x[i - 1] : before[i].value();
      EXPECT_NEAR(s.solution[i].value(), x, 1e-12 * std::max(1.0, std::abs(x)))
          << c.what << ", unknown " << i;
      // Beyond n untouched; within n digit for digit as if solved first.
      EXPECT_EQ(s.solution[i].value(), (i <= n ? fresh.solution : before)[i].value())
          << c.what << ", unknown " << i;
    }
  }
}

// No pivot p with p + 1 != 1 makes the solve return false; overflow and a count
// outside 1 to 10 raise an error. Either way the solution is left as it was.
TEST(LinearSystem, FailuresLeaveTheSolution) {
  struct Case {
    const char* what;
    Rows a;
    std::vector<double> b;
    std::optional<ErrorCode> error;
    int count = -1;  // -1: the size of the system
  } cases[] = {
      {"dependent rows", {{1, 2}, {2, 4}}, {3, 6}, {}},
      {"all zero", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {1, 2, 3}, {}},
      {"pivot below 2^-53", {{1e-17}}, {1}, {}},
      {"pivot exactly 2^-53", {{0x1p-53}}, {1}, {}},
      {"elimination overflows", {{1e308, 1e308}, {-1e308, 1e308}}, {1, 1}, ErrorCode::Overflow},
      {"substitution overflows", {{1e-10, 0}, {0, 1}}, {1e300, 1}, ErrorCode::Overflow},
      {"no unknowns", {{1}}, {1}, ErrorCode::SubscriptOutOfRange, 0},
      {"eleven unknowns", {{1}}, {1}, ErrorCode::SubscriptOutOfRange, 11},
  };
  for (const Case& c : cases) {
    LinearSystem s;
    s.solution.fill(7);
    fill(s, c.a, c.b);
    if (c.count >= 0) s.unknownCount = static_cast<std::int16_t>(c.count);
    try {
      EXPECT_FALSE(s.gaussSolve()) << c.what;
      EXPECT_FALSE(c.error) << c.what << ": no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(std::optional(e.code()), c.error) << c.what;
    }
    for (Real x : s.solution)
      EXPECT_EQ(x.value(), 7) << c.what;
  }
}

}  // namespace
}  // namespace vorlinde
