#include "core/factorization.h"

#include <gtest/gtest.h>

#include <regex>

#include "core/outcome.h"

namespace vorlinde::test {
namespace {

// The common entries (12, 13, 360, "abc", "12cm" …) are clicked in form1_test.cpp.
TEST(Factorize, Entries) {
  struct Case {
    const char* text;
    const char* entry;
  } cases[] = {
      {"2", " 2 =  2 (素数)"},  // the only prime that shows its factor
      {"32767.5", "error 6"},   // rounds to 32768
      {"32767", " 32767 =  7 ×  31 ×  151"},
      {"1", " 1 = "},
      {"-32768", "-32768 = "},
      {"12.5", " 12 =  2 ×  2 ×  3"},  // halves go to the even neighbour
      {"13.5", " 14 =  2 ×  7"},
      {"-32769", "error 6"},
  };
  Factorization f;  // one for all, as the window keeps it: nothing carries over
  for (const Case& c : cases)
    EXPECT_EQ(outcome([&] { return factorize(f, c.text); }), c.entry) << c.text;
}

// Every whole number the window accepts comes out as its factors, or marked prime
// exactly when it is one.
TEST(Factorize, EveryEntryMultipliesBack) {
  const std::regex digits("[0-9]+");
  Factorization f;
  for (int n = 2; n <= 32767; n += 7) {
    const std::string entry = factorize(f, std::to_string(n));
    long product = 1;
    for (std::sregex_iterator it(entry.begin() + entry.find('='), entry.end(), digits), end;
         it != end; ++it)
      product *= std::stol(it->str());
    bool prime = true;
    for (int d = 2; d * d <= n; ++d)
      prime = prime && n % d != 0;
    EXPECT_EQ(entry.ends_with(" (素数)"), prime) << entry;
    EXPECT_EQ(product, prime && n != 2 ? 1 : n) << entry;
  }
}

}  // namespace
}  // namespace vorlinde::test
