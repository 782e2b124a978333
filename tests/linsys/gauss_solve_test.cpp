#include <gtest/gtest.h>

#include <vector>

#include "linsys/module1.h"
#include "shell/runtime_error.h"

namespace vorlinde {
namespace {

using Rows = std::vector<std::vector<double>>;

void fill(Module1& s, const Rows& a, const std::vector<double>& b) {
  s.UnknownCount = static_cast<std::int16_t>(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < a.size(); ++j)
      s.Coefficients[i + 1][j + 1] = a[i][j];
    s.RightHandSides[i + 1] = b[i];
  }
}

// A 10 x 10 integer system whose solution is 1, -2, 3, ..., -10.
struct TenByTen {
  Rows a = Rows(10, std::vector<double>(10));
  std::vector<double> b = std::vector<double>(10), x = std::vector<double>(10);
  TenByTen() {
    for (int j = 0; j < 10; ++j)
      x[j] = (j % 2 ? -1 : 1) * (j + 1);
    for (int i = 0; i < 10; ++i)
      for (int j = 0; j < 10; ++j) {
        a[i][j] = i == j ? 3 + i : (i * 3 + j * 7) % 11 - 5;
        b[i] += a[i][j] * x[j];
      }
  }
};

TEST(GaussSolve, Solutions) {
  const TenByTen ten;
  struct Case {
    const char* what;
    Rows a;
    std::vector<double> b, x;
  } cases[] = {
      {"plain", {{2, 1}, {1, 3}}, {3, 5}, {0.8, 1.4}},
      {"first pivot from column 2", {{1, 5}, {2, 3}}, {11, 8}, {1, 2}},
      {"row and column exchange", {{1, 1, 1}, {0, 2, 5}, {2, 5, -1}}, {6, -4, 27}, {5, 3, -2}},
      {"tie in row 1", {{2, -2}, {1, 1}}, {0, 2}, {1, 1}},
      // Column 1 goes to 3 in step 1 and on to 2 in step 2: undone in the wrong
      // order the values would come back rotated.
      {"a column moved twice", {{1, 2, 9}, {7, 1, 1}, {1, 1, 1}}, {32, 12, 6}, {1, 2, 3}},
      {"one unknown", {{4}}, {-3}, {-0.75}},
      {"smallest pivot that passes", {{1.2e-16}}, {1}, {1 / 1.2e-16}},
      {"ten unknowns", ten.a, ten.b, ten.x},
  };
  for (const Case& c : cases) {
    Module1 s;
    fill(s, c.a, c.b);
    ASSERT_TRUE(s.GaussSolve()) << c.what;
    for (std::size_t i = 0; i < c.x.size(); ++i)
      EXPECT_NEAR(s.Solution[i + 1].value(), c.x[i], 1e-12 * std::max(1.0, std::abs(c.x[i])))
          << c.what << ", unknown " << i + 1;
  }
}

TEST(GaussSolve, TheFirstOfEqualMagnitudesIsThePivot) {
  Module1 s;
  fill(s, {{2, -2}, {1, 1}}, {0, 2});
  ASSERT_TRUE(s.GaussSolve());
  // Column 1 won the tie, so no column was exchanged and row 1 kept its order.
  EXPECT_EQ(s.Coefficients[1][1].value(), 2);
  EXPECT_EQ(s.Coefficients[1][2].value(), -2);
  EXPECT_EQ(s.Coefficients[2][1].value(), 0);
}

TEST(GaussSolve, SingularSystemsFailAndLeaveTheSolution) {
  struct Case {
    const char* what;
    Rows a;
    std::vector<double> b;
  } cases[] = {
      {"dependent rows", {{1, 2}, {2, 4}}, {3, 6}},
      {"all zero", {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {1, 2, 3}},
      {"pivot below 2^-53", {{1e-17}}, {1}},
      {"pivot exactly 2^-53", {{0x1p-53}}, {1}},
  };
  for (const Case& c : cases) {
    Module1 s;
    s.Solution.fill(7);
    fill(s, c.a, c.b);
    EXPECT_FALSE(s.GaussSolve()) << c.what;
    for (Real x : s.Solution)
      EXPECT_EQ(x.value(), 7) << c.what;
  }
}

TEST(GaussSolve, EntriesBeyondTheCountPlayNoPart) {
  Module1 fresh;
  fill(fresh, {{1, 5}, {2, 3}}, {11, 8});
  ASSERT_TRUE(fresh.GaussSolve());

  Module1 reused;
  const TenByTen ten;
  fill(reused, ten.a, ten.b);
  ASSERT_TRUE(reused.GaussSolve());
  const double third = reused.Solution[3].value();
  fill(reused, {{1, 5}, {2, 3}}, {11, 8});
  ASSERT_TRUE(reused.GaussSolve());
  EXPECT_EQ(reused.Solution[1].value(), fresh.Solution[1].value());
  EXPECT_EQ(reused.Solution[2].value(), fresh.Solution[2].value());
  EXPECT_EQ(reused.Solution[3].value(), third);  // beyond n: left as the larger system left it
}

TEST(GaussSolve, RunTimeErrors) {
  struct Case {
    const char* what;
    Rows a;
    std::vector<double> b;
    int count;
    ErrorCode error;
  } cases[] = {
      {"elimination overflows", {{1e308, 1e308}, {-1e308, 1e308}}, {1, 1}, 2, ErrorCode::Overflow},
      {"substitution overflows", {{1e-10, 0}, {0, 1}}, {1e300, 1}, 2, ErrorCode::Overflow},
      {"no unknowns", {{1}}, {1}, 0, ErrorCode::SubscriptOutOfRange},
      {"eleven unknowns", {{1}}, {1}, 11, ErrorCode::SubscriptOutOfRange},
  };
  for (const Case& c : cases) {
    Module1 s;
    s.Solution.fill(7);
    fill(s, c.a, c.b);
    s.UnknownCount = static_cast<std::int16_t>(c.count);
    try {
      s.GaussSolve();
      ADD_FAILURE() << c.what << ": no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code(), c.error) << c.what;
    }
    EXPECT_EQ(s.Solution[1].value(), 7) << c.what;
  }
}

TEST(GaussSolve, SharedSystemStartsAtZero) {
  // Nothing in this program has touched it yet.
  const Module1& shared = module1();
  EXPECT_EQ(shared.UnknownCount, 0);
  EXPECT_EQ(shared.Solution[1].value(), 0);
  EXPECT_EQ(&module1(), &shared);
}

}  // namespace
}  // namespace vorlinde
