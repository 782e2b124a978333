#include <gtest/gtest.h>

#include <cmath>

#include "core/numbers.h"
#include "core/series.h"
#include "steps/steps.h"

// The working against the window's own sums, where its doubles are exact.

namespace vorlinde::steps {
namespace {

// The answer's items: "S₁ = 55" gives "55"; the exact form only, before any decimal.
std::vector<std::string> values(const std::string& answer) {
  std::vector<std::string> out;
  const std::string separator = "，";
  std::string rest = answer.substr(answer.find("：") + std::string("：").size());
  for (std::size_t at = 0; at != std::string::npos;) {
    const std::size_t end = rest.find(separator, at);
    std::string item = rest.substr(at, end == std::string::npos ? end : end - at);
    item = item.substr(item.find(" = ") + 3);
    out.push_back(item.substr(0, item.find(' ')));
    at = end == std::string::npos ? end : end + separator.size();
  }
  return out;
}

TEST(SequenceAgreement, SpecialSeriesAsTheWindowSumsThem) {
  for (int n = 1; n <= 2000; n += 13) {
    const std::array<double, 7> window = specialSums(Int32(n));
    const std::vector<std::string> mine =
        values(workingFor(Calculation{PanelId::SpecialSeries, {std::to_string(n)}}).answer());
    ASSERT_EQ(mine.size(), 7u);
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(mine[i], numberText(window[i])) << "S" << i + 1 << " n = " << n;
    EXPECT_EQ(mine[6], std::to_string(n) + "/" + std::to_string(n + 1));
  }
}

TEST(SequenceAgreement, WholeSequencesAsTheWindowComputesThem) {
  for (int a1 = -7; a1 <= 9; a1 += 4)
    for (int step = -3; step <= 4; ++step)
      for (int n = 1; n <= 30; n += 7) {
        const std::vector<std::string> texts = {std::to_string(a1), std::to_string(step),
                                                std::to_string(n)};
        const TermAndSum arithmetic = arithmeticSequence(a1, step, Int16(n));
        const std::vector<std::string> mine =
            values(workingFor(Calculation{PanelId::ArithmeticSequence, texts}).answer());
        EXPECT_EQ(mine, (std::vector{numberText(arithmetic.term), numberText(arithmetic.sum)}));
        if (step == 1 || step == 0) continue;
        const TermAndSum geometric = *geometricSequence(a1, step, Int16(n));
        // Past 15 digits the window writes a rounding; the working, every digit.
        if (std::abs(geometric.sum) >= 1e15 || std::abs(geometric.term) >= 1e15) continue;
        const std::vector<std::string> exact =
            values(workingFor(Calculation{PanelId::GeometricSequence, texts}).answer());
        EXPECT_EQ(exact, (std::vector{numberText(geometric.term), numberText(geometric.sum)}))
            << a1 << " " << step << " " << n;
      }
}

}  // namespace
}  // namespace vorlinde::steps
