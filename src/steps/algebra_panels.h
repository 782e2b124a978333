#pragma once

#include "core/calculation.h"
#include "steps/working.h"

// The working of each panel of the algebra window ("Form1"), one function a button.

namespace vorlinde::steps {

inline constexpr const char* kAlgebraCaption = "代数";

Working factorizationWorking(const Calculation& c);  // "Command1"
Working factorialWorking(const Calculation& c);      // "Command3"
Working divisorWorking(const Calculation& c);        // "Command4"
Working powerWorking(const Calculation& c);          // "Command5"
Working rootWorking(const Calculation& c);           // "Command6"
Working trigWorking(const Calculation& c);           // "Command7"

}  // namespace vorlinde::steps
