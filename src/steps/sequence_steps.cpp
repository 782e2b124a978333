#include "steps/builders.h"

namespace vorlinde::steps {

Working sequenceWorking(const Calculation&) {
  return {"求数列前n项的和", "", {}, {}};
}

}  // namespace vorlinde::steps
