#include "steps/algebra_common.h"
#include "steps/algebra_panels.h"
#include "steps/builders.h"
#include "steps/common.h"

namespace vorlinde::steps {
namespace {

Builder builderFor(const std::string& button) {
  if (button == "Command1") return factorizationWorking;
  if (button == "Command3") return factorialWorking;
  if (button == "Command4") return divisorWorking;
  if (button == "Command5") return powerWorking;
  if (button == "Command6") return rootWorking;
  if (button == "Command7") return trigWorking;
  return [](const Calculation& c) { return noWorking(kAlgebraCaption, c); };
}

}  // namespace

Working algebraWorking(const Calculation& calculation) {
  return safely(calculation, kAlgebraCaption, builderFor(calculation.button));
}

}  // namespace vorlinde::steps
