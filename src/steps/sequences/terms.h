#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/calculation.h"
#include "exact/estimate.h"
#include "exact/exact.h"
#include "exact/notation.h"
#include "steps/working.h"

// What the sequence window's panels share: their heading, the names of the
// terms and sums, the reading of n, and the figure of the first terms.

namespace vorlinde::steps {

// The names of the first term, the n-th term and the sum of the first n terms:
// a₁, aₙ, Sₙ. Made on first use: a namespace-scope string would be built at
// every start-up.
inline const std::string& firstTerm() {
  static const std::string name = notation::formula("a" + notation::sub("1"));
  return name;
}
inline const std::string& termName() {
  static const std::string name = notation::formula("a" + notation::sub("n"));
  return name;
}
inline const std::string& sumName() {
  static const std::string name = notation::formula("S" + notation::sub("n"));
  return name;
}

// A working of the window begun with its heading: "求数列前n项的和 · 等差数列".
Working beginSequence(std::string panel);

// The number of terms n as the panel read it (Given line); nothing when the working
// ends there, answered, because n is no whole number of at least 1. Above high the
// window reports an overflow: why, or a plain statement of the range.
std::optional<exact::Integer> termCount(Working& w, const Calculation& c, std::size_t box,
                                        long high, const std::string& why = "");

// The three boxes of the arithmetic and the geometric panels: the first term, the
// common difference or ratio, and n.
struct TermBoxes {
  exact::Rational first, step;
  exact::Integer n;
};
// Their Given lines, the step named stepName ("d", "q"), and their values;
// nothing when the working ends there, answered.
std::optional<TermBoxes> readTerms(Working& w, const Calculation& c, const std::string& stepName);

// The note where the window's result overflowed the doubles; nothing otherwise.
void overflowNote(Working& w, const Calculation& c);

// The first terms (up to 50) and their running sums as points. term(k) gives the
// k-th term, asked for k = 1, 2, … in turn.
Figure sequenceFigure(const exact::Integer& n, const std::function<exact::Float(long)>& term,
                      std::string caption);

}  // namespace vorlinde::steps
