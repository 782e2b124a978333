#include "steps/steps.h"

#include "steps/algebra/panels.h"
#include "steps/equations/panels.h"
#include "steps/geometry/panels.h"
#include "steps/linear_system/panels.h"
#include "steps/sequences/panels.h"
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
    case PanelId::TriangleBySides:
    case PanelId::Rectangle:
    case PanelId::Trapezoid:
    case PanelId::Circle:
    case PanelId::Sector:
    case PanelId::Cylinder:
    case PanelId::Cone:
    case PanelId::Sphere:
      return geometryWorking;
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
