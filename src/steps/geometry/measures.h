#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calculation.h"
#include "exact/exact.h"
#include "steps/working.h"

// What the geometry window's rows share: their measurements read and checked,
// the note on the window's own result, and the labels of their figures.

namespace vorlinde::steps {

// A measurement a row reads, in the order of its boxes: its name in the
// formulas and what it is.
struct Measure {
  std::string name;  // "a"
  std::string what;  // "底"
};
// The Given lines of the row's measurements and their values; nothing when the
// working ends there, answered, because one is no number or is negative.
std::optional<std::vector<exact::Rational>> measures(Working& w, const Calculation& c,
                                                     const std::vector<Measure>& row);
// Notes on the window's own result: its overflow, or a last digit that differs
// from the exact value's because it computes in doubles with its stored π.
void windowResult(Working& w, const Calculation& c, const exact::Shown& exact, bool pi);
// A measurement as a figure labels it: "r = 3", "a ≈ 1.23456789012346E+200".
std::string measureLabel(const std::string& name, const exact::Rational& value,
                         const NumberFormat& format);

}  // namespace vorlinde::steps
