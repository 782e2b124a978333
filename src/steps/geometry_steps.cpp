#include "steps/builders.h"

namespace vorlinde::steps {

Working geometryWorking(const Calculation&) {
  return {"几何求积", "", {}, {}};
}

}  // namespace vorlinde::steps
