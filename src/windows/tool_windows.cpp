#include "windows/tool_windows.h"

#include "windows/algebra_window.h"
#include "windows/equation_window.h"
#include "windows/geometry_window.h"
#include "windows/linear_system_window.h"
#include "windows/sequence_window.h"

namespace vorlinde {

ToolWindow& toolWindowOf(FormRegistry& registry, WindowId id) {
  switch (id) {
    case WindowId::Algebra:
      return registry.instance<AlgebraWindow>();
    case WindowId::Equations:
      return registry.instance<EquationWindow>();
    case WindowId::LinearSystem:
      return registry.instance<LinearSystemWindow>();
    case WindowId::Sequences:
      return registry.instance<SequenceWindow>();
    case WindowId::Geometry:
      break;
  }
  return registry.instance<GeometryWindow>();
}

}  // namespace vorlinde
