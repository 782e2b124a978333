#include "core/equations.h"

#include "core/arithmetic.h"
#include "core/messages.h"
#include "core/numbers.h"

namespace vorlinde {
namespace {

std::string shown(const char* prefix, Real value, const NumberFormat& format) {
  return prefix + numberText(value.value(), format);
}

}  // namespace

Answer solveQuadratic(const std::vector<std::string>& abc, const NumberFormat& format) {
  const Real a = readDouble(abc[0], format);
  const Real b = readDouble(abc[1], format);
  const Real c = readDouble(abc[2], format);
  // The discriminant comes first, so an overflow in it stops even the linear case.
  const Real d = power(b, 2) - (a * 4) * c;
  if (a == 0) return Answer{shown(kOnlyRootPrefix, -c / b, format), ""};
  if (d < 0) return Answer{kNoRealRoots, ""};
  const Real s = squareRoot(d);
  const Real twoA = a + a;
  // Each root is the sum or difference of two quotients, not one quotient of a
  // sum: that order decides the last digits.
  const Real centre = -b / twoA;
  const Real spread = s / twoA;
  return Answer{shown(kFirstRootPrefix, centre + spread, format),
                shown(kSecondRootPrefix, centre - spread, format)};
}

Answer solveSystem(const std::vector<std::string>& coefficients, const NumberFormat& format) {
  const Real a1 = readDouble(coefficients[0], format);
  const Real b1 = readDouble(coefficients[1], format);
  const Real c1 = readDouble(coefficients[2], format);
  const Real a2 = readDouble(coefficients[3], format);
  const Real b2 = readDouble(coefficients[4], format);
  const Real c2 = readDouble(coefficients[5], format);
  const Real det = a1 * b2 - a2 * b1;
  // x's division comes before y's numerator, so a zero determinant is reported
  // by x's numerator: error 11 when it is non-zero, 6 when it is zero.
  const Real x = (c1 * b2 - c2 * b1) / det;
  const Real y = (a1 * c2 - a2 * c1) / det;
  // The unknowns go under the roots' prefixes: y is shown as "x2=".
  return Answer{shown(kFirstRootPrefix, x, format), shown(kSecondRootPrefix, y, format)};
}

}  // namespace vorlinde
