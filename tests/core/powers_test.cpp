#include "core/powers.h"

#include <gtest/gtest.h>

#include "core/outcome.h"

namespace vorlinde::test {
namespace {

TEST(Power, Captions) {
  struct Case {
    const char* m;
    const char* n;
    const char* caption;
  } cases[] = {
      {"2", "10", "1024"},
      {"10", "308", "1E+308"},
      {"0.5", "2000", "0"},  // underflow is no error
      {"2", "1024", "error 6"},
      {"2.5", "2", "6.25"},  // measurements keep their fractions
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
      {"10", "3.16227766016838 | 2.30258509299405"},  // the natural logarithm
      {"2.5", "1.58113883008419 | 0.916290731874155"},
      {"0", "error 5"},  // the root is fine, the logarithm is not
  };
  for (const Case& c : cases) {
    auto both = [&] {
      const RootAndLogarithm r = rootAndLogarithm(c.m);
      return r.root + " | " + r.logarithm;
    };
    EXPECT_EQ(outcome(both), c.both) << c.m;
  }
}

}  // namespace
}  // namespace vorlinde::test
