#pragma once

#include "core/calculation.h"
#include "steps/working.h"

// The working of the linear-system window's "计 算".

namespace vorlinde::steps {

Working linearSystemWorking(const Calculation& c);

}  // namespace vorlinde::steps
