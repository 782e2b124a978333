#include "core/trigonometry.h"

namespace vorlinde {

Real radians(Real degrees) {
  return degrees * kPi / 180;
}

Real trigValue(TrigStep step, Real x) {
  switch (step) {
    case TrigStep::Radians:
      return x;
    case TrigStep::Sine:
      return sine(x);
    case TrigStep::Cosine:
      return cosine(x);
    case TrigStep::Tangent:
      return tangent(x);
    case TrigStep::Cotangent:
      return Real(1) / tangent(x);
    case TrigStep::Secant:
      return Real(1) / cosine(x);
    case TrigStep::Cosecant:
      return Real(1) / sine(x);
  }
  return x;
}

}  // namespace vorlinde
