#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "exact/exact.h"
#include "steps/working.h"

// Gaussian elimination on the augmented matrix in exact fractions, as taught:
// row operations to row-echelon form, then back substitution, or the ranks where
// the system is singular.

namespace vorlinde::steps::gauss {

using exact::Rational;
// n rows of n coefficients and the right-hand side.
using Matrix = std::vector<std::vector<Rational>>;

// A row's equation from the unknown at column from on: "2x₂ + x₃ = 7".
std::string rowEquation(const std::vector<Rational>& row, std::size_t from,
                        const NumberFormat& format);

// The matrix as rows of the working, "|" before the right-hand side.
void matrixRows(Working& w, const Matrix& m, const NumberFormat& format);

// Row-echelon form: pivots[r] is the column of row r's pivot, one per non-zero row.
struct Echelon {
  Matrix m;
  std::vector<int> pivots;
};
// The row operations of each column written out, the matrix shown after each
// column that changed it.
Echelon eliminate(Working& w, Matrix m, const NumberFormat& format);

// The unique solution by back substitution, when every column has a pivot.
std::vector<Rational> backSubstitute(Working& w, const Echelon& e, const NumberFormat& format);

// A singular system by its ranks: true when it has no solution. Where it has
// infinitely many, the general solution follows as a note.
bool inconsistent(Working& w, const Echelon& e, const NumberFormat& format);

}  // namespace vorlinde::steps::gauss
