#include <gtest/gtest.h>

#include <cmath>

#include "core/measures.h"
#include "steps/steps.h"

// The working's decimals against the window's own measures: equal where no π and
// no rounding enters, within the window's short π where one does.

namespace vorlinde::steps {
namespace {

// The decimal of the answer's value: the last number on the line.
double decimalOf(const std::string& answer) {
  const std::size_t at = answer.find_last_of(" ");
  return std::stod(answer.substr(at + 1));
}

Working run(PanelId id, double a, double b, double c = 0) {
  std::vector<std::string> texts = {numberText(a), numberText(b), numberText(c)};
  texts.resize(panel(id).boxes.size());
  return workingFor(Calculation{id, texts});
}

TEST(GeometryAgreement, MeasuresAsTheWindowComputesThem) {
  for (double a = 0.5; a <= 12; a += 1.25)
    for (double b = 0.25; b <= 9; b += 1.5) {
      const double c = a + b - 0.75;
      EXPECT_EQ(decimalOf(run(PanelId::Triangle, a, b).answer()), triangleArea(a, b).value());
      EXPECT_EQ(decimalOf(run(PanelId::Rectangle, a, b).answer()), rectangleArea(a, b).value());
      EXPECT_EQ(decimalOf(run(PanelId::Trapezoid, a, b, c).answer()),
                trapezoidArea(a, b, c).value());
      // Heron's formula and π: the window rounds on the way, and its π is short.
      const std::string heron = run(PanelId::TriangleBySides, a, b, c).answer();
      if (const std::optional<Real> s = triangleAreaFromSides(a, b, c); s && c < a + b) {
        EXPECT_NEAR(decimalOf(heron), s->value(), 1e-12 * s->value()) << a << " " << b;
      }
      const auto near = [](const std::string& answer, Real window) {
        return std::abs(decimalOf(answer) - window.value()) <= 1e-13 * window.value();
      };
      EXPECT_TRUE(near(run(PanelId::Sector, a, b * 20).answer(), sectorArea(a, b * 20)));
      EXPECT_TRUE(near(run(PanelId::Cylinder, a, b).answer(), cylinderVolume(a, b)));
      EXPECT_TRUE(near(run(PanelId::Cone, a, b).answer(), coneVolume(a, b)));
      EXPECT_TRUE(near(run(PanelId::Sphere, a, b).answer(), sphereVolume(a)));
    }
}

}  // namespace
}  // namespace vorlinde::steps
