#include <gtest/gtest.h>

#include "core/factorization.h"
#include "core/natural.h"
#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

// The working against the window's own arithmetic and the C library, over whole
// ranges of input: two computations written apart that must agree.

namespace vorlinde::steps {
namespace {

// A list entry " 12 =  2 ×  2 ×  3" or a step "12 = 2×2×3" without its blanks.
std::string squeezed(std::string text) {
  std::erase(text, ' ');
  return text;
}

TEST(AlgebraAgreement, FactorsMultiplyBackAsTheWindowsList) {
  Factorization state;
  for (int n = 4; n <= 3000; ++n) {
    const Working w = run(PanelId::Factorization, {std::to_string(n)});
    const std::string entry = factorize(state, std::to_string(n));
    if (entry.find("素数") != std::string::npos) {
      EXPECT_EQ(w.answer(), "答：" + std::to_string(n) + " 是素数");
      continue;
    }
    // The step "n = 2×2×3 = 2²×3" lists the primes one by one.
    std::string product;
    for (const Line& l : w.lines)
      if (notation::plain(l.text).rfind(std::to_string(n) + " = ", 0) == 0)
        product = notation::plain(l.text);
    EXPECT_EQ(squeezed(product.substr(0, product.rfind(" = "))), squeezed(entry)) << n;
  }
}

TEST(AlgebraAgreement, DivisorAndMultipleAsTheWindowFindsThem) {
  for (int a = -60; a <= 300; a += 7)
    for (int b = -30; b <= 330; b += 11) {
      const DivisorAndMultiple r =
          divisorAndMultiple(static_cast<std::int16_t>(a), static_cast<std::int16_t>(b));
      if (r.divisor == 0) continue;
      const Working w = run(PanelId::DivisorAndMultiple, {std::to_string(a), std::to_string(b)});
      EXPECT_EQ(w.answer(), "答：最大公约数 = " + std::to_string(r.divisor) +
                                "，最小公倍数 = " + std::to_string(r.multiple))
          << a << " " << b;
    }
}

}  // namespace
}  // namespace vorlinde::steps
