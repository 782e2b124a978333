#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "steps/working_lines.h"

// Whatever the boxes hold, every panel's working comes back whole: its answer line
// last, never the fallback for numbers no working was written for, and a figure
// the window can scale.

namespace vorlinde::steps {
namespace {

const std::string kLong = "1." + std::string(3990, '3');  // 3,991 digits, still a number
const std::string kWide = std::string(300, '9') + ".5";   // beyond nothing, 301 digits
const std::string kFifteen = "-123456.789012345";         // the most the window shows
const std::string kBeyond = "1E+400";                     // no number: error 13 or 6

void expectSound(const Calculation& c) {
  std::string what = std::string(panel(c.panel).key) + " " + std::to_string(c.unknowns);
  for (const std::string& t : c.texts)
    what += " " + t.substr(0, 12);
  const Working w = workingFor(c);
  ASSERT_FALSE(w.lines.empty()) << what;
  EXPECT_EQ(w.lines.back().kind, LineKind::Answer) << what;
  EXPECT_TRUE(w.answer().starts_with("答：") && w.answer() != "答：无法列出计算过程") << what;
  EXPECT_TRUE(w.figure.empty() || drawable(w.figure)) << what;
}

TEST(HostileInputs, EveryPanelWorksOutWhateverItsBoxesHold) {
  // clang-format off
  const std::string texts[] = {
      "", " ", "abc", "0", "-0", "-0.5", "1,000", "１２", "&H7FFF", "32767", "32767.5", "-32768",
      "360.5", "100000", "2147483648", "99999999999999999999999", kFifteen, "1E300", "1E308",
      "-1E308", kBeyond, "1E-300", "1E-320", "4.9E-324", kWide, kLong, std::string(3000, '7'),
      "0." + std::string(3000, '0') + "1"};
  // clang-format on
  for (const PanelEntry& p : panels())
    if (p.calculation && p.id != PanelId::LinearSystem)
      for (const std::string& a : texts)
        for (const std::string& b : {std::string("0"), std::string("0.5"), std::string("-1"), a}) {
          std::vector<std::string> in = {a, b, a, "2", b, a};
          in.resize(p.boxes.size());
          expectSound(clicked(p.id, in, 6));
        }
}

TEST(HostileInputs, EquationsAtTheEdgesOfTheDoubles) {
  const std::pair<PanelId, std::vector<std::string>> cases[] = {
      {PanelId::Quadratic, {"1E+300", "1", "1"}},
      {PanelId::Quadratic, {"1E-300", "1", "1E-300"}},
      {PanelId::Quadratic, {"-1E-300", "1E+300", "1E+300"}},
      {PanelId::Quadratic, {"1", "2E+154", "1"}},
      {PanelId::Quadratic, {kFifteen, "987654321098765", "0.000000000000001"}},
      {PanelId::Quadratic, {kLong, kWide, "-" + kLong}},
      {PanelId::Quadratic, {kBeyond, "1", "1"}},
      {PanelId::TwoUnknowns, {"1E+300", "1", "1", "1", "1E+300", "1"}},
      {PanelId::TwoUnknowns, {"1E-300", "1E-300", "1", "1", "1", "1E+300"}},
      {PanelId::TwoUnknowns, {"1E-300", "0", "1E+300", "0", "1E+300", "1E-300"}},
      {PanelId::TwoUnknowns, {kLong, kWide, kFifteen, kWide, kLong, "0"}},
      {PanelId::TwoUnknowns, {kBeyond, "", "1", "1", "1", "1"}},
  };
  for (const auto& [id, texts] : cases)
    expectSound(clicked(id, texts));
}

TEST(HostileInputs, LinearSystemsWhateverTheGrid) {
  struct Grid {
    int n;
    std::vector<std::string> cells;  // repeated over the grid
  };
  const Grid grids[] = {
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
    expectSound(c);
  }
}

}  // namespace
}  // namespace vorlinde::steps
