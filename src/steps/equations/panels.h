#pragma once

#include "core/calculation.h"
#include "steps/working.h"

// The equation window's two panels, each a working of its own.

namespace vorlinde::steps {

Working quadraticWorking(const Calculation& c);  // ax² + bx + c = 0
Working systemWorking(const Calculation& c);     // a₁x + b₁y = c₁, a₂x + b₂y = c₂

}  // namespace vorlinde::steps
