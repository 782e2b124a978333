#pragma once

#include <optional>
#include <string>

#include "core/numbers.h"
#include "exact/exact.h"

// A square root brought to its simplest form, with the square factor taken out
// in view: √72 = √(36×2) = 6√2, √(1/2) = √(1×2)/2 = √2/2.

namespace vorlinde::steps {

struct SimplestRoot {
  // Nothing for a radicand too long to search for square factors in good time.
  std::optional<exact::Surd> value;
  std::string chain;   // from the root of the radicand to its simplest form, markup
  exact::Shown shown;  // the value as written; its decimal alone where value is nothing
};

// Radicands with more digits than this, numerator and denominator together, are
// only estimated.
inline constexpr std::size_t kMostRootDigits = 1000;

// x ≥ 0.
SimplestRoot simplestRoot(const exact::Rational& x, const NumberFormat& format);

}  // namespace vorlinde::steps
