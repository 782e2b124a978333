#include "core/panels.h"

#include <algorithm>
#include <array>

#include "core/advice.h"
#include "core/linear_system.h"

namespace vorlinde {
namespace {

constexpr std::array<WindowEntry, 5> kWindows = {{
    {WindowId::Algebra, "Form1", "代数", "Command1"},
    {WindowId::Equations, "Form2", "解方程", "Command2"},
    {WindowId::LinearSystem, "Form3", "解线性方程组", "Command3"},
    {WindowId::Sequences, "Form4", "求数列前n项的和", "Command4"},
    {WindowId::Geometry, "Form5", "几何求积", "Command5"},
}};

std::string element(const char* name, int index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

// The grid's "计 算" reads every box it may have laid out; the window says
// which rows stand.
PanelEntry gridSolve() {
  using W = WindowId;
  PanelEntry solve{
      PanelId::LinearSystem, "linear.solve", W::LinearSystem, "Command1", {}, {}, false, true,
      advice::linearSystem};
  constexpr int n = LinearSystem::kMaxUnknowns;
  for (int k = 0; k < n * n; ++k)
    solve.boxes.push_back(element("Text1", k));
  for (int k = 0; k < n; ++k) {
    solve.boxes.push_back(element("Text2", k));
    solve.labels.push_back(element("Label5", k));
  }
  return solve;
}

std::vector<PanelEntry> makePanels() {
  using P = PanelId;
  using W = WindowId;
  namespace a = advice;
  const std::vector<std::string> trig = {"Label25", "Label27", "Label29", "Label31",
                                         "Label33", "Label35", "Label37"};
  const std::vector<std::string> series = {"Label14", "Label15", "Label16", "Label17",
                                           "Label18", "Label19", "Label20"};
  // clang-format off
  return {
      {P::Factorization, "algebra.factorization", W::Algebra, "Command1", {"Text1"}, {"List1"}, false, true, a::factorization},
      {P::Factorial, "algebra.factorial", W::Algebra, "Command3", {"Text2"}, {"Label5"}, true, true, a::factorial},
      {P::DivisorAndMultiple, "algebra.divisors", W::Algebra, "Command4", {"Text3", "Text4"}, {"Label9"}, true, true, a::divisorAndMultiple},
      {P::Power, "algebra.power", W::Algebra, "Command5", {"Text5", "Text6"}, {"Label15"}, true, true, a::power},
      {P::RootAndLogarithm, "algebra.root", W::Algebra, "Command6", {"Text5"}, {"Label20", "Label22"}, true, true, a::rootAndLogarithm},
      {P::Trigonometry, "algebra.trigonometry", W::Algebra, "Command7", {"Text7"}, trig, true, true, a::trigonometry},
      {P::Quadratic, "equations.quadratic", W::Equations, "Command1", {"Text1", "Text2", "Text3"}, {"Label9", "Label10"}, true, true, a::quadratic},
      {P::TwoUnknowns, "equations.system", W::Equations, "Command3", {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"}, {"Label28", "Label29"}, true, true, a::twoUnknowns},
      {P::GridCount, "linear.count", W::LinearSystem, "Command2", {"TxtNum"}, {}, true, false, a::gridCount},
      gridSolve(),
      {P::SpecialSeries, "sequences.special", W::Sequences, "Command1", {"Text1"}, series, true, true, a::specialSeries},
      {P::GeometricSequence, "sequences.geometric", W::Sequences, "Command3", {"Text2", "Text3", "Text4"}, {"Label28", "Label29"}, true, true, a::sequence},
      {P::ArithmeticSequence, "sequences.arithmetic", W::Sequences, "Command4", {"Text5", "Text6", "Text7"}, {"Label30", "Label31"}, true, true, a::sequence},
      {P::Triangle, "geometry.triangle", W::Geometry, "Command1", {"Text1", "Text2"}, {"Label7"}, true, true, a::area},
      {P::TriangleBySides, "geometry.heron", W::Geometry, "Command2", {"Text3", "Text4", "Text5"}, {"Label8"}, true, true, a::area},
      {P::Rectangle, "geometry.rectangle", W::Geometry, "Command3", {"Text6", "Text7"}, {"Label15"}, true, true, a::area},
      {P::Trapezoid, "geometry.trapezoid", W::Geometry, "Command4", {"Text6", "Text7", "Text8"}, {"Label16"}, true, true, a::area},
      {P::Circle, "geometry.circle", W::Geometry, "Command5", {"Text9"}, {"Label21"}, true, true, a::area},
      {P::Sector, "geometry.sector", W::Geometry, "Command6", {"Text9", "Text10"}, {"Label23"}, true, true, a::area},
      {P::Cylinder, "geometry.cylinder", W::Geometry, "Command7", {"Text11", "Text12"}, {"Label28"}, true, true, a::volume},
      {P::Cone, "geometry.cone", W::Geometry, "Command8", {"Text11", "Text12"}, {"Label30"}, true, true, a::volume},
      {P::Sphere, "geometry.sphere", W::Geometry, "Command9", {"Text11"}, {"Label32"}, true, true, a::volume},
  };
  // clang-format on
}

// Made on first use: a table at namespace scope would be built at every start-up.
const std::vector<PanelEntry>& table() {
  static const std::vector<PanelEntry> entries = makePanels();
  return entries;
}

}  // namespace

std::span<const WindowEntry> toolWindows() {
  return kWindows;
}

const WindowEntry& toolWindow(WindowId id) {
  return kWindows[static_cast<std::size_t>(id)];
}

std::span<const PanelEntry> panels() {
  return table();
}

const PanelEntry& panel(PanelId id) {
  return *std::ranges::find(table(), id, &PanelEntry::id);
}

const PanelEntry* panelByKey(std::string_view key) {
  const auto found = std::ranges::find(table(), key, &PanelEntry::key);
  return found == table().end() ? nullptr : &*found;
}

const PanelEntry* panelOf(std::string_view window, std::string_view button) {
  for (const PanelEntry& p : table())
    if (toolWindow(p.window).name == window && p.button == button) return &p;
  return nullptr;
}

}  // namespace vorlinde
