#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/numbers.h"
#include "exact/exact.h"
#include "steps/figure.h"

// The figures of the equation workings, from the exact coefficients: a parabola
// or a line with its roots, and two lines with their meeting point.

namespace vorlinde::steps::eq {

// y = ax² + bx + c for a ≠ 0: the curve, its real roots, its vertex and its axis
// of symmetry; for a = 0 the line y = bx + c and its root.
Figure parabolaFigure(const exact::Rational& a, const exact::Rational& b, const exact::Rational& c,
                      const NumberFormat& format);

// The line a·x + b·y = c of one equation, named by its number ("①").
struct PlaneLine {
  exact::Rational a, b, c;
  std::string name;
};
// The two lines, their meeting point when there is exactly one, or the parallel
// or coincident lines; an equation 0x + 0y = c has no line and is told in a label.
Figure linesFigure(const std::array<PlaneLine, 2>& lines,
                   const std::optional<std::array<exact::Rational, 2>>& meeting,
                   const NumberFormat& format);

}  // namespace vorlinde::steps::eq
