#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/numbers.h"
#include "exact/exact.h"
#include "steps/working.h"

// The 2×2 system a₁x + b₁y = c₁ ①, a₂x + b₂y = c₂ ② solved by elimination, as
// the pupil writes it: clear the fractions, multiply, add or subtract, solve for
// one unknown, substitute back.

namespace vorlinde::steps::system {

using exact::Rational;

// a·x + b·y = c, numbered ①, ②, … in the working.
struct Equation {
  Rational a, b, c;
  int number = 1;
  bool degenerate() const { return a == 0 && b == 0; }  // 0x + 0y = c
};

// "2x + 3y = 12".
std::string text(const Equation& e, const NumberFormat& format);

// Method one for two equations that both hold an unknown: the solution (x, y)
// when there is exactly one; nothing when the elimination ends in 0 = k.
std::optional<std::array<Rational, 2>> eliminate(Working& w, const Equation& first,
                                                 const Equation& second,
                                                 const NumberFormat& format);

}  // namespace vorlinde::steps::system
