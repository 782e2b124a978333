#pragma once

#include <array>
#include <cstdint>

#include "core/arithmetic.h"

// LinearSystem: the linear system shared by the grid window and the solver, and the
// solver itself. Plain C++, so the solver is tested and timed without a window.

namespace vorlinde {

struct LinearSystem {
  static constexpr int kMaxUnknowns = 10;
  // Indexed from 1 to 10, as the grid numbers its rows and columns; entry 0 is
  // unused. Guarded doubles: a value beyond the double range never gets in.
  using Vector = std::array<Real, kMaxUnknowns + 1>;
  using Matrix = std::array<Vector, kMaxUnknowns + 1>;

  std::int16_t unknownCount = 0;  // n; "确定" writes it even when it then refuses it
  Matrix coefficients{};          // coefficients[i][j]: unknown j in equation i
  Vector rightHandSides{};
  Vector solution{};

  // Solves the first n equations in place by elimination with complete pivoting
  // and writes x into solution. Returns false, leaving solution as it was, when a
  // step finds no pivot p with p + 1 != 1 (the system is singular, or as good as).
  // coefficients and rightHandSides are left exchanged and reduced either way.
  // Raises error 6 when a value overflows, and error 9 for a count outside 1 to 10.
  bool gaussSolve();
};

// The one shared system: all zero at start-up, alive until the program ends,
// whatever happens to the window.
LinearSystem& sharedSystem();

}  // namespace vorlinde
