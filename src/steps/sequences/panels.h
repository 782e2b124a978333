#pragma once

#include "core/calculation.h"
#include "steps/working.h"

// The working of each panel of the sequence window.

namespace vorlinde::steps {

Working arithmeticWorking(const Calculation& c);
Working geometricWorking(const Calculation& c);
Working specialSeriesWorking(const Calculation& c);

}  // namespace vorlinde::steps
