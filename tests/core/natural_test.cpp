#include "core/natural.h"

#include <gtest/gtest.h>

#include "core/outcome.h"

namespace vorlinde::test {
namespace {

TEST(Factorial, Captions) {
  struct Case {
    const char* text;
    const char* caption;
  } cases[] = {
      {"5", "阶乘结果是：120"},
      {"20", "阶乘结果是：2.43290200817664E+18"},
      {"170", "阶乘结果是：7.25741561530799E+306"},  // multiplied up from 1
      {"171", "error 6"},
      {"-32768", "阶乘结果是：1"},
      {"5.5", "阶乘结果是：720"},  // halves go to the even neighbour
      {"4.5", "阶乘结果是：24"},
      {" 1,0 ", "error 13"},  // not grouping in threes
      {"32767.5", "error 6"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(outcome([&] { return factorialCaption(c.text); }), c.caption) << c.text;
}

TEST(DivisorAndMultiple, Captions) {
  struct Case {
    const char* first;
    const char* second;
    const char* caption;
  } cases[] = {
      {"12", "18", "结果分别为： 6  36"},
      {"0", "5", "结果分别为： 5  0"},
      {"-4", "6", "结果分别为： 2  12"},  // never negative, whatever the signs
      {"4", "-6", "结果分别为： 2  12"},
      {"4.5", "6", "结果分别为： 2  12"},         // both from the same whole numbers
      {"0", "0", "结果分别为： 0  0"},            // nothing to divide by, and no error
      {"-32768", "-1", "结果分别为： 1  32768"},  // neither overflows nor turns negative
      {"-32768", "0", "结果分别为： 32768  0"},
      {"1,2", "1,8", "error 13"},  // a comma groups only threes
      {"1", "32767.5", "error 6"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(outcome([&] { return divisorAndMultipleCaption(c.first, c.second); }), c.caption)
        << c.first << ", " << c.second;
}

// Against a plain search over a spread of pairs: the divisor divides both, the
// multiple is a common multiple, and their product is |a × b|.
TEST(DivisorAndMultiple, AgreesWithTheDefinitions) {
  for (int a = -32768; a <= 32767; a += 997) {
    for (int b = -32768; b <= 32767; b += 1009) {
      SCOPED_TRACE(testing::Message() << a << ", " << b);
      DivisorAndMultiple r = divisorAndMultiple(std::int16_t(a), std::int16_t(b));
      ASSERT_GT(r.divisor, 0);
      EXPECT_EQ(a % r.divisor, 0);
      EXPECT_EQ(b % r.divisor, 0);
      EXPECT_EQ(std::int64_t{r.divisor} * r.multiple, std::abs(std::int64_t{a} * b));
    }
  }
}

}  // namespace
}  // namespace vorlinde::test
