#include "core/factorization.h"

#include <cmath>

#include "core/numbers.h"

namespace vorlinde {
namespace {

// Divisibility by comparing the quotient in double precision with the truncated
// integer quotient; for 16-bit numbers the two agree exactly when it divides.
bool divides(Int16 divisor, Int16 number) {
  double exact = number.toDouble() / divisor.toDouble();
  double truncated = number.value() / divisor.value();
  return exact == truncated;
}

}  // namespace

std::string factorize(Factorization& f, std::string_view text) {
  f.number = roundToInt16(readLenient(text));
  f.factorCount = 0;
  f.resultText = paddedText(f.number.toDouble()) + " = ";

  const Int16 end = f.number;  // fixed for the whole loop, although number shrinks
  for (f.divisor = 2; f.divisor <= end; ++f.divisor) {
    while (divides(f.divisor, f.number)) {
      f.number = Int16(static_cast<std::int16_t>(f.number.value() / f.divisor.value()));
      if (f.factorCount != 0) f.resultText += " × ";
      f.resultText += paddedText(f.divisor.toDouble());
      f.factorCount = f.factorCount + 1;
    }
    // No divisor up to the square root: the number is prime.
    if (wholePart(std::sqrt(f.number.toDouble())) < f.divisor.toDouble() && f.factorCount == 0) {
      f.factorCount = 1;
      break;
    }
    if (f.number == 1) break;
  }

  if (f.factorCount == 1) f.resultText += " (素数)";
  return f.resultText;
}

}  // namespace vorlinde
