#pragma once

#include "core/calculation.h"
#include "steps/working.h"

namespace vorlinde::steps {

// The working of one click of a compute button, computed again from what the
// window read. Never throws and never takes long, whatever the boxes held.
Working workingFor(const Calculation& calculation);

}  // namespace vorlinde::steps
