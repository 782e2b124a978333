#include "steps/builders.h"

namespace vorlinde::steps {

Working equationWorking(const Calculation&) {
  return {"解方程", "", {}, {}};
}

}  // namespace vorlinde::steps
