#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calculation.h"
#include "exact/exact.h"
#include "steps/working.h"

// The working of each row of the geometry window, and what the rows share.

namespace vorlinde::steps {

inline constexpr const char* kGeometryCaption = "几何求积";

Working triangleWorking(const Calculation& c);  // base and height
Working heronWorking(const Calculation& c);     // three sides
Working rectangleWorking(const Calculation& c);
Working trapezoidWorking(const Calculation& c);
Working circleWorking(const Calculation& c);
Working sectorWorking(const Calculation& c);
Working cylinderWorking(const Calculation& c);
Working coneWorking(const Calculation& c);
Working sphereWorking(const Calculation& c);

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
void windowResult(Working& w, const Calculation& c, const exact::Shown& exact, bool pi = false);
// A measurement as a figure labels it: "r = 3", "a ≈ 1.23456789012346E+200".
std::string measureLabel(const std::string& name, const exact::Rational& value,
                         const NumberFormat& format);

}  // namespace vorlinde::steps
