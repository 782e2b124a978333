#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calculation.h"
#include "exact/exact.h"
#include "steps/working.h"

// What the linear-system window itself made of the system, and how it compares
// with the exact working: the window eliminates in doubles with complete
// pivoting and gives up on a pivot p with 1 + p = 1.

namespace vorlinde::steps::linear {

struct WindowRun {
  bool overflow = false;  // a value beyond the doubles: run-time error 6
  bool failed = false;    // "Gauss fail at 1."
  std::vector<double> x;  // the solution it showed
};

// The window's own solver run again on the grid's texts (n rows of n + 1).
WindowRun rerun(const std::vector<std::vector<std::string>>& texts);

// Notes where the window's outcome needs a word: its error, its "Gauss fail at
// 1." for a system that is not singular, a singular system it solved anyway, or
// its rounding on a nearly singular one. solution is the exact one, if unique.
void windowNotes(Working& w, const Calculation& c, const WindowRun& run,
                 const std::optional<std::vector<exact::Rational>>& solution);

}  // namespace vorlinde::steps::linear
