#include "steps/steps.h"

#include "steps/algebra/panels.h"
#include "steps/equations/panels.h"
#include "steps/geometry_panels.h"
#include "steps/linear_system/panels.h"
#include "steps/sequence_panels.h"
#include "steps/shared/values.h"

namespace vorlinde::steps {
namespace {

// Each computing panel's working; nothing for a button that only lays its window out.
Builder builderFor(PanelId id) {
  switch (id) {
    case PanelId::Factorization:
      return factorizationWorking;
    case PanelId::Factorial:
      return factorialWorking;
    case PanelId::DivisorAndMultiple:
      return divisorWorking;
    case PanelId::Power:
      return powerWorking;
    case PanelId::RootAndLogarithm:
      return rootWorking;
    case PanelId::Trigonometry:
      return trigWorking;
    case PanelId::Quadratic:
      return quadraticWorking;
    case PanelId::TwoUnknowns:
      return systemWorking;
    case PanelId::GridCount:
      return nullptr;
    case PanelId::LinearSystem:
      return linearSystemWorking;
    case PanelId::SpecialSeries:
      return specialSeriesWorking;
    case PanelId::GeometricSequence:
      return geometricWorking;
    case PanelId::ArithmeticSequence:
      return arithmeticWorking;
    case PanelId::Triangle:
      return triangleWorking;
    case PanelId::TriangleBySides:
      return heronWorking;
    case PanelId::Rectangle:
      return rectangleWorking;
    case PanelId::Trapezoid:
      return trapezoidWorking;
    case PanelId::Circle:
      return circleWorking;
    case PanelId::Sector:
      return sectorWorking;
    case PanelId::Cylinder:
      return cylinderWorking;
    case PanelId::Cone:
      return coneWorking;
    case PanelId::Sphere:
      return sphereWorking;
  }
  return nullptr;
}

}  // namespace

Working workingFor(const Calculation& calculation) {
  const Builder build = builderFor(calculation.panel);
  if (!build) return {};
  return safely(calculation, toolWindow(panel(calculation.panel).window).caption, build);
}

}  // namespace vorlinde::steps
