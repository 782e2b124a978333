#include "steps/builders.h"

namespace vorlinde::steps {

Working linearSystemWorking(const Calculation&) {
  return {"解线性方程组", "", {}, {}};
}

}  // namespace vorlinde::steps
