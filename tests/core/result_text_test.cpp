#include "core/result_text.h"

#include <gtest/gtest.h>

namespace vorlinde {
namespace {

TEST(ResultText, CutsOnlyTheFraction) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {1.0 / 3, " .3333"},     {-1.0 / 3, "-.3333"},  {123456.7, " 123456"},
      {12345.67, " 12345"},    {1234567, " 1234567"}, {12, " 12"},
      {2.5, " 2.5"},           {0.8, " .8"},          {1234.56, " 1234."},
      {-1.25e-7, "-1.25E-07"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(resultText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace vorlinde
