#pragma once

#include <string>
#include <vector>

#include "core/numbers.h"

// The equation window's two calculations, from the texts of their boxes to the
// texts of their two result labels.

namespace vorlinde {

// What a panel's two result labels show after a click.
struct Answer {
  std::string first;
  std::string second;
};

// ax²+bx+c=0 from the texts of a, b and c, read strictly (error 13 for a text
// that is not a number). Raises error 11 or 6 for a = b = 0 and error 6 for an
// overflow.
Answer solveQuadratic(const std::vector<std::string>& abc, const NumberFormat& format = {});

// a₁x+b₁y=c₁, a₂x+b₂y=c₂ from the texts of a₁, b₁, c₁, a₂, b₂, c₂ by Cramer's
// rule. A zero determinant is not looked for: the division raises error 11, or 6
// when its numerator is zero too.
Answer solveSystem(const std::vector<std::string>& coefficients, const NumberFormat& format = {});

}  // namespace vorlinde
