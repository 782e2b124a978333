#include "steps/algebra_common.h"
#include "steps/algebra_panels.h"
#include "steps/builders.h"
#include "steps/common.h"

namespace vorlinde::steps {
namespace {

Working unknownPanel(const Calculation& c) {
  Working w = begin(kAlgebraCaption, c.button);
  line(w, LineKind::Note, "这个按钮没有计算过程。");
  answer(w, {"没有计算"});
  return w;
}

Builder builderFor(const std::string& button) {
  if (button == "Command1") return factorizationWorking;
  if (button == "Command3") return factorialWorking;
  if (button == "Command4") return divisorWorking;
  if (button == "Command5") return powerWorking;
  if (button == "Command6") return rootWorking;
  if (button == "Command7") return trigWorking;
  return unknownPanel;
}

}  // namespace

Working algebraWorking(const Calculation& calculation) {
  return safely(calculation, kAlgebraCaption, builderFor(calculation.button));
}

}  // namespace vorlinde::steps
