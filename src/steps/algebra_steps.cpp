#include "steps/builders.h"

namespace vorlinde::steps {

Working algebraWorking(const Calculation&) {
  return {"代数", "", {}, {}};
}

}  // namespace vorlinde::steps
