#pragma once

#include "core/runtime_error.h"

namespace vorlinde::test {

// The number of the run-time error the action raises, or 0 when it raises none.
template <class Action>
int errorOf(Action&& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace vorlinde::test
