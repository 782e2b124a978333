#include "algebra/factorize.h"

#include <gtest/gtest.h>

#include "shell/runtime_error.h"

namespace vorlinde {
namespace {

TEST(Factorize, Entries) {
  struct Case {
    const char* text;
    const char* entry;
  } cases[] = {
      {"12", " 12 =  2 ×  2 ×  3"},
      {"360", " 360 =  2 ×  2 ×  2 ×  3 ×  3 ×  5"},
      {"49", " 49 =  7 ×  7"},
      {"34", " 34 =  2 ×  17"},
      {"2", " 2 =  2 (素数)"},
      {"3", " 3 =  (素数)"},
      {"13", " 13 =  (素数)"},
      {"4", " 4 =  2 ×  2"},
      {"32749", " 32749 =  (素数)"},
      {"32766", " 32766 =  2 ×  3 ×  43 ×  127"},
      {"32767", " 32767 =  7 ×  31 ×  151"},
      {"32762", " 32762 =  2 ×  16381"},
      {"1", " 1 = "},
      {"0", " 0 = "},
      {"", " 0 = "},
      {"abc", " 0 = "},
      {"-12", "-12 = "},
      {"-7", "-7 = "},
      {"-32768", "-32768 = "},
      {"12.5", " 12 =  2 ×  2 ×  3"},
      {"13.5", " 14 =  2 ×  7"},
      {"12cm", " 12 =  2 ×  2 ×  3"},
      {"&H1F", " 31 =  (素数)"},
      {"1 024", " 1024 =  2 ×  2 ×  2 ×  2 ×  2 ×  2 ×  2 ×  2 ×  2 ×  2"},
  };
  for (const Case& c : cases) {
    Factorization f;
    EXPECT_EQ(factorize(f, c.text), c.entry) << c.text;
  }
}

TEST(Factorize, OutsideSixteenBitsIsAnOverflow) {
  for (const char* text : {"40000", "32767.5", "-32769", "1E400"}) {
    Factorization f;
    try {
      factorize(f, text);
      ADD_FAILURE() << text << " was factorized";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), 6) << text;
    }
  }
}

// Every whole number the window accepts comes out as primes whose product is it.
TEST(Factorize, EveryEntryMultipliesBack) {
  for (int n = 2; n <= 32767; n += 7) {
    Factorization f;
    std::string entry = factorize(f, std::to_string(n));
    long product = 1;
    int factors = 0;
    for (std::size_t at = entry.find('=') + 1; at < entry.size();) {
      std::size_t digit = entry.find_first_of("0123456789", at);
      if (digit == std::string::npos) break;
      std::size_t end = entry.find_first_not_of("0123456789", digit);
      product *= std::stol(entry.substr(digit, end - digit));
      ++factors;
      at = end;
    }
    bool prime = entry.ends_with(" (素数)");
    if (prime && n != 2)
      EXPECT_EQ(factors, 0) << entry;
    else
      EXPECT_EQ(product, n) << entry;
  }
}

}  // namespace
}  // namespace vorlinde
