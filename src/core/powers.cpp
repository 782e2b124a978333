#include "core/powers.h"

#include "core/arithmetic.h"
#include "core/numbers.h"

namespace vorlinde {

std::string powerCaption(std::string_view m, std::string_view n, const NumberFormat& format) {
  const Real base = readDouble(m, format);
  const Real exponent = readDouble(n, format);
  return numberText(power(base, exponent).value(), format);
}

RootAndLogarithm rootAndLogarithm(std::string_view m, const NumberFormat& format) {
  const Real value = readDouble(m, format);
  const Real root = squareRoot(value);
  const Real logarithmValue = logarithm(value);
  return {numberText(root.value(), format), numberText(logarithmValue.value(), format)};
}

}  // namespace vorlinde
