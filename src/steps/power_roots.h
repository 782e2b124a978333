#pragma once

#include <string>

#include "core/numbers.h"
#include "exact/exact.h"

// A square root brought to its simplest form, with the square factor taken out
// in view: √72 = √(36×2) = 6√2, √(1/2) = √(1×2)/2 = √2/2.

namespace vorlinde::steps {

struct SimplestRoot {
  exact::Surd value;
  std::string chain;  // from the root of the radicand to its simplest form, markup
};

// x ≥ 0.
SimplestRoot simplestRoot(const exact::Rational& x, const NumberFormat& format);

}  // namespace vorlinde::steps
