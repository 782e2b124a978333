#pragma once

#include <array>
#include <optional>
#include <string>

// The equation window's two calculations, from the texts of their boxes to the
// texts of their two result labels.

namespace vorlinde {

// What a panel's two result labels show after a click.
struct Answer {
  std::string first;
  std::string second;
  bool operator==(const Answer&) const = default;
};

// ax²+bx+c=0 from the texts of a, b and c. Nothing (std::nullopt) when a text is
// not a number: the window then asks for numbers and leaves its labels alone.
// Raises error 11 or 6 for a = b = 0 and error 6 for an overflow.
std::optional<Answer> solveQuadratic(const std::array<std::string, 3>& abc);

// a₁x+b₁y=c₁, a₂x+b₂y=c₂ from the texts of a₁, b₁, c₁, a₂, b₂, c₂ by Cramer's
// rule. Nothing when a text is not a number. A zero determinant is not looked
// for: the division raises error 11, or 6 when its numerator is zero too.
std::optional<Answer> solveSystem(const std::array<std::string, 6>& coefficients);

}  // namespace vorlinde
