#pragma once

#include "core/calculation.h"
#include "steps/working.h"

// The working of each tool window's panels, one function a window; each starts
// from the calculation's texts and computes everything again, exactly.

namespace vorlinde::steps {

Working algebraWorking(const Calculation& calculation);       // "Form1"
Working equationWorking(const Calculation& calculation);      // "Form2"
Working linearSystemWorking(const Calculation& calculation);  // "Form3"
Working sequenceWorking(const Calculation& calculation);      // "Form4"
Working geometryWorking(const Calculation& calculation);      // "Form5"

}  // namespace vorlinde::steps
