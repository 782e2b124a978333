#include "steps/algebra/trig_values.h"

namespace vorlinde::steps {

using exact::Rational;

const std::array<const char*, kTrigFunctions> kTrigNames = {"sin α", "cos α", "tan α",
                                                            "cot α", "sec α", "csc α"};
const std::array<const char*, kTrigFunctions> kTrigDefinitions = {
    "sin α",           "cos α",          "tan α = sin α/cos α", "cot α = cos α/sin α",
    "sec α = 1/cos α", "csc α = 1/sin α"};

std::string referenceAngle(const Rational& degrees) {
  if (degrees.get_den() == 1 && degrees.get_num() % 90 == 0) return {};
  if (degrees < 90) return {};
  const auto text = [](const Rational& r) { return r.get_str() + "°"; };
  const std::string a = text(degrees);
  if (degrees < 180) {
    const std::string r = text(180 - degrees);
    return "第二象限，参考角 180° - " + a + " = " + r + "：sin " + a + " = sin " + r + "，cos " +
           a + " = -cos " + r;
  }
  if (degrees < 270) {
    const std::string r = text(degrees - 180);
    return "第三象限，参考角 " + a + " - 180° = " + r + "：sin " + a + " = -sin " + r + "，cos " +
           a + " = -cos " + r;
  }
  const std::string r = text(360 - degrees);
  return "第四象限，参考角 360° - " + a + " = " + r + "：sin " + a + " = -sin " + r + "，cos " + a +
         " = cos " + r;
}

}  // namespace vorlinde::steps
