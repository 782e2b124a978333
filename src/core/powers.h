#pragma once

#include <string>
#include <string_view>

#include "core/numbers.h"

namespace vorlinde {

// m to the power n for two numeric texts read as doubles, as number text.
// A negative m with a fractional n raises error 5, 0 to a negative power error 11,
// a result beyond the double range error 6.
std::string powerCaption(std::string_view m, std::string_view n, const NumberFormat& format = {});

struct RootAndLogarithm {
  std::string root;       // √m
  std::string logarithm;  // the natural logarithm of m
};

// Both captions for a numeric text read as a double, both computed before either
// is returned: a negative m raises error 5 at the root, 0 at the logarithm.
RootAndLogarithm rootAndLogarithm(std::string_view m, const NumberFormat& format = {});

}  // namespace vorlinde
