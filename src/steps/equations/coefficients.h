#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "exact/exact.h"
#include "steps/working.h"

// The coefficients of the equation window's panels as their boxes held them.

namespace vorlinde::steps {

// The given lines, an equation's three coefficients a line, and the coefficients
// read exactly, named in the panel's order. Where a box holds no number the
// working says which, then the hint, and ends with its answer line: nothing is
// returned then.
std::optional<std::vector<exact::Rational>> coefficients(Working& w, const Calculation& c,
                                                         std::span<const std::string_view> names,
                                                         std::string_view hint);

}  // namespace vorlinde::steps
