#include "algebra/powers.h"

#include <gtest/gtest.h>

#include "algebra/outcome.h"

namespace vorlinde::test {
namespace {

TEST(Power, Captions) {
  struct Case {
    const char* m;
    const char* n;
    const char* caption;
  } cases[] = {
      {"2", "10", "1024"},
      {"2", "-1", "0.5"},
      {"-2", "3", "-8"},
      {"-2", "-3", "-0.125"},
      {"10", "308", "1E+308"},
      {"3", "20", "3486784401"},
      {"1", "12345", "1"},
      {"100", "0", "1"},
      {"0", "0", "1"},
      {"0.5", "2000", "0"},  // underflow is no error
      {"2", "1024", "error 6"},
      {"10", "309", "error 6"},
      {"1E200", "2", "error 6"},
      // Measurements keep their fractions.
      {"2.5", "2", "6.25"},
      {"2", "0.5", "1.4142135623731"},
      {"-8", "0.333333333333333", "error 5"},
      {"0", "-1", "error 11"},
      {"0", "-0.5", "error 11"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(outcome([&] { return powerCaption(c.m, c.n); }), c.caption) << c.m << " ^ " << c.n;
}

TEST(RootAndLogarithm, Captions) {
  struct Case {
    const char* m;
    const char* both;  // root, a bar, logarithm
  } cases[] = {
      {"2", "1.4142135623731 | 0.693147180559945"},
      {"10", "3.16227766016838 | 2.30258509299405"},  // the natural logarithm
      {"3", "1.73205080756888 | 1.09861228866811"},
      {"1", "1 | 0"},
      {"100", "10 | 4.60517018598809"},
      {"2.5", "1.58113883008419 | 0.916290731874155"},
      {"1E-300", "1E-150 | -690.775527898214"},
      {"0", "error 5"},  // the root is fine, the logarithm is not
      {"-1", "error 5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(outcome([&] {
                RootAndLogarithm r = rootAndLogarithm(c.m);
                return r.root + " | " + r.logarithm;
              }),
              c.both)
        << c.m;
  }
}

}  // namespace
}  // namespace vorlinde::test
