#pragma once

#include <array>
#include <cstdint>

#include "shell/arithmetic.h"

// Module1: the linear system shared by the grid window and the solver, and the
// solver itself. Plain C++, so the solver is tested and timed without a window.

namespace vorlinde {

struct Module1 {
  static constexpr int kMaxUnknowns = 10;
  // Indexed from 1 to 10, as the grid numbers its rows and columns; entry 0 is
  // unused. Guarded doubles: a value beyond the double range never gets in.
  using Vector = std::array<Real, kMaxUnknowns + 1>;
  using Matrix = std::array<Vector, kMaxUnknowns + 1>;

  std::int16_t UnknownCount = 0;  // n; "确定" writes it even when it then refuses it
  Matrix Coefficients{};          // Coefficients[i][j]: unknown j in equation i
  Vector RightHandSides{};
  Vector Solution{};

  // Solves the first n equations in place by elimination with complete pivoting
  // and writes x into Solution. Returns false, leaving Solution as it was, when a
  // step finds no pivot p with p + 1 != 1 (the system is singular, or as good as).
  // Coefficients and RightHandSides are left exchanged and reduced either way.
  // Raises error 6 when a value overflows, and error 9 for a count outside 1 to 10.
  bool GaussSolve();
};

// The one shared system: all zero at start-up, alive until the program ends,
// whatever happens to the window.
Module1& module1();

}  // namespace vorlinde
