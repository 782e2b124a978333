#pragma once

#include "core/calculation.h"
#include "steps/working.h"

// The working of each panel of the algebra window, one function a button.

namespace vorlinde::steps {

inline constexpr const char* kAlgebraCaption = "代数";

Working factorizationWorking(const Calculation& c);
Working factorialWorking(const Calculation& c);
Working divisorWorking(const Calculation& c);
Working powerWorking(const Calculation& c);
Working rootWorking(const Calculation& c);
Working trigWorking(const Calculation& c);

}  // namespace vorlinde::steps
