#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calculation.h"
#include "exact/estimate.h"
#include "exact/exact.h"
#include "exact/notation.h"
#include "steps/working.h"

// The working of each panel of the sequence window.

namespace vorlinde::steps {

inline constexpr const char* kSequenceCaption = "求数列前n项的和";
// The names of the n-th term and the sum of the first n terms: aₙ, Sₙ.
// Made on first use: a namespace-scope string would be built at every start-up.
inline const std::string& termName() {
  static const std::string name = "a" + notation::sub("n");
  return name;
}
inline const std::string& sumName() {
  static const std::string name = "S" + notation::sub("n");
  return name;
}

Working arithmeticWorking(const Calculation& c);
Working geometricWorking(const Calculation& c);
Working specialSeriesWorking(const Calculation& c);

// The number of terms n as the panel read it (Given line); nothing when the working
// ends there, answered, because n is no whole number of at least 1. Above high the
// window reports an overflow: why, or a plain statement of the range.
std::optional<exact::Integer> termCount(Working& w, const Calculation& c, std::size_t box,
                                        long high, const std::string& why = "");

// The first terms and partial sums (up to 50 of each) as points.
Figure sequenceFigure(const std::vector<exact::Float>& terms, const std::vector<exact::Float>& sums,
                      std::string caption);
// How many terms the figure shows.
long figureTerms(const exact::Integer& n);

}  // namespace vorlinde::steps
