#pragma once

#include <string>

#include "core/runtime_error.h"

namespace vorlinde::test {

// What a computation gives: its text, or "error N" for the run-time error it
// raises, so that results and errors sit side by side in one table.
template <class F>
std::string outcome(F compute) {
  try {
    return compute();
  } catch (const RuntimeError& e) {
    return "error " + std::to_string(e.number());
  }
}

// The number of the run-time error the action raises, or 0 when it raises none.
template <class F>
int errorOf(F action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace vorlinde::test
