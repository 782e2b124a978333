#include "steps/steps.h"

#include "steps/builders.h"

namespace vorlinde::steps {

Working workingFor(const Calculation& calculation) {
  const std::string& w = calculation.window;
  if (w == "Form1") return algebraWorking(calculation);
  if (w == "Form2") return equationWorking(calculation);
  if (w == "Form3") return linearSystemWorking(calculation);
  if (w == "Form4") return sequenceWorking(calculation);
  if (w == "Form5") return geometryWorking(calculation);
  return {};
}

}  // namespace vorlinde::steps
