#include "core/linear_system.h"

#include <cmath>
#include <utility>

#include "core/runtime_error.h"

namespace vorlinde {
namespace {

using Matrix = LinearSystem::Matrix;
using Vector = LinearSystem::Vector;
using Columns = std::array<int, LinearSystem::kMaxUnknowns + 1>;

struct Pivot {
  double largest = 0;
  int row = 0, column = 0;
};

// The entry of largest magnitude in rows and columns k to n, scanned row by row;
// of equal magnitudes the first found wins.
Pivot findPivot(const Matrix& a, int k, int n) {
  Pivot p;
  for (int i = k; i <= n; ++i)
    for (int j = k; j <= n; ++j)
      if (std::fabs(a[i][j].value()) > p.largest) p = {std::fabs(a[i][j].value()), i, j};
  return p;
}

// Brings the pivot to (k, k): first the columns (in every row), then the rows
// together with their right-hand sides.
void exchange(Matrix& a, Vector& b, int k, const Pivot& p, int n) {
  if (p.column != k)
    for (int i = 1; i <= n; ++i)
      std::swap(a[i][k], a[i][p.column]);
  if (p.row != k) {
    for (int l = 1; l <= n; ++l)
      std::swap(a[k][l], a[p.row][l]);
    std::swap(b[k], b[p.row]);
  }
}

void eliminateBelow(Matrix& a, Vector& b, int k, int n) {
  for (int i = k + 1; i <= n; ++i) {
    const Real m = a[i][k] / a[k][k];
    for (int l = k + 1; l <= n; ++l)
      a[i][l] = a[i][l] - m * a[k][l];
    b[i] = b[i] - m * b[k];
    a[i][k] = 0;
  }
}

// Back substitution on the reduced system, each sum taken from left to right.
Vector substitute(const Matrix& a, const Vector& b, int n) {
  Vector x{};
  x[n] = b[n] / a[n][n];
  for (int i = n - 1; i >= 1; --i) {
    Real s = 0;
    for (int j = i + 1; j <= n; ++j)
      s = a[i][j] * x[j] + s;
    x[i] = (b[i] - s) / a[i][i];
  }
  return x;
}

}  // namespace

bool LinearSystem::gaussSolve() {
  const int n = unknownCount;
  // The arrays run from 1 to 10: any other count reaches outside them.
  if (n < 1 || n > kMaxUnknowns) throw RuntimeError(ErrorCode::SubscriptOutOfRange);
  Columns pivotColumns{};
  for (int k = 1; k <= n; ++k) {
    const Pivot p = findPivot(coefficients, k, n);
    if (p.largest + 1 == 1) return false;  // cannot overflow: largest is finite
    pivotColumns[k] = p.column;
    exchange(coefficients, rightHandSides, k, p, n);
    eliminateBelow(coefficients, rightHandSides, k, n);
  }
  Vector x = substitute(coefficients, rightHandSides, n);
  // Undone in the reverse order of the exchanges: a column may have moved twice.
  for (int k = n; k >= 1; --k)
    if (pivotColumns[k] != k) std::swap(x[k], x[pivotColumns[k]]);
  for (int i = 1; i <= n; ++i)
    solution[i] = x[i];
  return true;
}

LinearSystem& sharedSystem() {
  static LinearSystem shared;
  return shared;
}

}  // namespace vorlinde
