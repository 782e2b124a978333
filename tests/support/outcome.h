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

}  // namespace vorlinde::test
