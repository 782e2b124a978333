#include "steps/builders.h"
#include "steps/common.h"
#include "steps/equation_panels.h"

namespace vorlinde::steps {

Working equationWorking(const Calculation& c) {
  if (c.button == "Command1") return quadraticWorking(c);
  if (c.button == "Command3") return systemWorking(c);
  Working w = begin("解方程", "");
  answer(w, {"这个按钮没有计算"});
  return w;
}

}  // namespace vorlinde::steps
