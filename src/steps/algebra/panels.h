#pragma once

#include <string>

#include "core/calculation.h"
#include "core/panels.h"
#include "steps/working.h"

// The working of each panel of the algebra window, one function a button.

namespace vorlinde::steps {

// The window's caption as the tool windows' table has it, the first word of every heading.
inline std::string algebraCaption() {
  return std::string(toolWindow(WindowId::Algebra).caption);
}

Working factorizationWorking(const Calculation& c);
Working factorialWorking(const Calculation& c);
Working divisorWorking(const Calculation& c);
Working powerWorking(const Calculation& c);
Working rootWorking(const Calculation& c);
Working trigWorking(const Calculation& c);

}  // namespace vorlinde::steps
