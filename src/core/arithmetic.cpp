#include "core/arithmetic.h"

#include <cmath>

namespace vorlinde {

Real operator/(Real a, Real b) {
  if (b.value_ == 0)
    throw RuntimeError(a.value_ == 0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
  return Real(a.value_ / b.value_);
}

Real power(Real base, Real exponent) {
  const double b = base.value(), e = exponent.value();
  if (b < 0 && e != std::trunc(e)) throw RuntimeError(ErrorCode::InvalidCall);
  if (b == 0 && e < 0) throw RuntimeError(ErrorCode::DivisionByZero);
  return Real(std::pow(b, e));
}

Real squareRoot(Real x) {
  if (x.value() < 0) throw RuntimeError(ErrorCode::InvalidCall);
  return Real(std::sqrt(x.value()));
}

Real logarithm(Real x) {
  if (x.value() <= 0) throw RuntimeError(ErrorCode::InvalidCall);
  return Real(std::log(x.value()));
}

Real sine(Real radians) {
  return Real(std::sin(radians.value()));
}
Real cosine(Real radians) {
  return Real(std::cos(radians.value()));
}
Real tangent(Real radians) {
  return Real(std::tan(radians.value()));
}

}  // namespace vorlinde
