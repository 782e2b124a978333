#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "steps/steps.h"

namespace vorlinde::steps {
namespace {

const std::string kLong = "1." + std::string(3990, '3');  // 3,991 digits, still a number
const std::string kWide = std::string(300, '9') + ".5";   // beyond nothing, 301 digits
const std::string kFifteen = "-123456.789012345";         // the most the window shows
const std::string kBeyond = "1E+400";                     // no number: error 13 or 6

bool finite(const Point& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Every coordinate finite, and a view the window can scale: neither empty nor
// too small for the painter, nor beyond the doubles when squared.
void expectDrawable(const Figure& f, const std::string& what) {
  if (f.empty()) return;
  EXPECT_TRUE(f.left < f.right && f.bottom < f.top) << what;
  EXPECT_GT(f.right - f.left, 1e-100) << what;
  EXPECT_GT(f.top - f.bottom, 1e-100) << what;
  EXPECT_LT(std::fabs(f.left) + std::fabs(f.right) + std::fabs(f.top) + std::fabs(f.bottom), 1e100)
      << what;
  for (const Figure::Path& p : f.paths)
    for (const Point& q : p.points)
      EXPECT_TRUE(finite(q)) << what;
  for (const Figure::Dot& d : f.dots)
    EXPECT_TRUE(finite(d.at)) << what;
  for (const Figure::Label& l : f.labels)
    EXPECT_TRUE(finite(l.at)) << what;
  EXPECT_TRUE(std::isfinite(f.xTick) && std::isfinite(f.yTick)) << what;
}

void expectSound(const Working& w, const std::string& what) {
  ASSERT_FALSE(w.lines.empty()) << what;
  EXPECT_EQ(w.lines.back().kind, LineKind::Answer) << what;
  EXPECT_EQ(w.answer().rfind("答：", 0), 0u) << what;
  expectDrawable(w.figure, what);
}

TEST(HostileEquations, NeverThrowAndDrawOnlyFiniteFigures) {
  const std::vector<std::vector<std::string>> quadratics = {
      {"1E+300", "1E+300", "1E+300"},
      {"1E-300", "1", "1E-300"},
      {"1E+300", "1", "1"},
      {"-1E-300", "1E+300", "1E+300"},
      {"1E-300", "0", "-1E+300"},
      {"1", "2E+154", "1"},
      {kFifteen, "987654321098765", "0.000000000000001"},
      {kLong, kWide, "-" + kLong},
      {kWide, kWide, kWide},
      {kBeyond, "1", "1"},
      {"", " ", "abc"},
      {"1", "0", "0"},
      {"1E-300", "1E-300", "0"},
      {"0", "1E-300", "1E+300"},
  };
  for (const auto& t : quadratics) {
    const Calculation c{PanelId::Quadratic, t};
    expectSound(workingFor(c), t[0] + " " + t[1] + " " + t[2]);
  }
  const std::vector<std::vector<std::string>> systems = {
      {"1E+300", "1", "1", "1", "1E+300", "1"},
      {"1E-300", "1E-300", "1", "1", "1", "1E+300"},
      {"1E+300", "1E+300", "1", "1E+300", "1E+300", "2"},
      {"1E-300", "0", "1E+300", "0", "1E+300", "1E-300"},
      {kLong, kWide, kFifteen, kWide, kLong, "0"},
      {"0", "0", "1E+300", "1E-300", "0", "1"},
      {kBeyond, "", "1", "1", "1", "1"},
  };
  for (const auto& t : systems) {
    const Calculation c{PanelId::TwoUnknowns, t};
    expectSound(workingFor(c), t[0] + " " + t[1]);
  }
}

TEST(HostileLinearSystems, NeverThrowWhateverTheGrid) {
  struct Grid {
    int n;
    std::vector<std::string> cells;  // repeated over the grid
  };
  const Grid grids[] = {
      {10, {"1E+300"}},
      {10, {"1E+300", "1E-300", kFifteen}},
      {10, {kFifteen, "0.000000000000001", "987654321.123456"}},
      {3, {kLong, kWide}},
      {2, {"1E-300", "0", "1E+300"}},
      {10, {"&HFFFF", "12.5cm", "", "-"}},
      {10, {kBeyond}},
      {0, {"1"}},
      {11, {"1"}},
      {4, {}},
  };
  for (const Grid& g : grids) {
    Calculation c{PanelId::LinearSystem, {}, g.n};
    for (int k = 0; !g.cells.empty() && k < g.n * (g.n + 1); ++k)
      c.texts.push_back(g.cells[(k * 7 + k / 3) % g.cells.size()]);
    expectSound(workingFor(c), std::to_string(g.n));
  }
}

}  // namespace
}  // namespace vorlinde::steps
