#include <exception>

#include "steps/builders.h"
#include "steps/common.h"
#include "steps/equation_panels.h"

namespace vorlinde::steps {

Working equationWorking(const Calculation& c) {
  // The exact arithmetic refuses what the workings never form; should it ever,
  // the pupil still gets a working rather than a failed window.
  try {
    if (c.button == "Command1") return quadraticWorking(c);
    if (c.button == "Command3") return systemWorking(c);
  } catch (const std::exception&) {
    Working w = begin("解方程", "");
    answer(w, {"无法写出这道题的解题过程"});
    return w;
  }
  Working w = begin("解方程", "");
  answer(w, {"这个按钮没有计算"});
  return w;
}

}  // namespace vorlinde::steps
