#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/arithmetic.h"
#include "core/numbers.h"

// The sequence window's arithmetic: the n-th term and the sum of an arithmetic and
// of a geometric sequence, and the closed-form sums of the seven special series.
// Every operation is guarded, so a run-time error arises where the arithmetic
// fails, and always before the window writes a result.

namespace vorlinde {

struct TermAndSum {
  double term = 0;
  double sum = 0;
};

// aₙ = (n − 1) × d + a1 and Sₙ = ((aₙ + a1) × n) / 2; n − 1 is 16-bit arithmetic.
TermAndSum arithmeticSequence(double a1, double d, Int16 n);

// aₙ = qⁿ⁻¹ × a1 and Sₙ = ((qⁿ − 1) × a1) / (q − 1). Nothing when q is exactly 1,
// which the window refuses in its result labels.
std::optional<TermAndSum> geometricSequence(double a1, double q, Int16 n);

// The seven special sums for n, in row order: 1+2+…+n, 1+3+…+(2n−1), 2+4+…+2n,
// the sums of squares and cubes, 1×2+…+n(n+1) and 1/(1×2)+…+1/(n(n+1)).
std::array<double, 7> specialSums(Int32 n);

// The panels as the window runs them: the boxes' texts, which have passed the
// numeric test, are read in the window's order and the result labels' texts
// come back, term first. An n that rounds below 1 is refused with "输入有误！" in
// every label; one too large for its kind is an overflow. Every run-time error
// arises before anything returns.
std::array<std::string, 2> arithmeticPanel(std::string_view a1, std::string_view d,
                                           std::string_view n, const NumberFormat& format = {});
std::array<std::string, 2> geometricPanel(std::string_view a1, std::string_view q,
                                          std::string_view n, const NumberFormat& format = {});
std::array<std::string, 7> specialSeriesPanel(std::string_view n, const NumberFormat& format = {});

// What panel 2 shows for q = 1, one half in each result label.
inline constexpr const char* kRatioOneFirst = "对不起，";
inline constexpr const char* kRatioOneSecond = "q不能等于1！";

}  // namespace vorlinde
