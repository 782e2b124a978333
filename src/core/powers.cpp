#include "core/powers.h"

#include "core/arithmetic.h"
#include "core/numbers.h"

namespace vorlinde {

std::string powerCaption(std::string_view m, std::string_view n) {
  const Real base = readDouble(m);
  const Real exponent = readDouble(n);
  return numberText(power(base, exponent).value());
}

RootAndLogarithm rootAndLogarithm(std::string_view m) {
  const Real value = readDouble(m);
  const Real root = squareRoot(value);
  const Real logarithmValue = logarithm(value);
  return {numberText(root.value()), numberText(logarithmValue.value())};
}

}  // namespace vorlinde
