#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/equations.h"
#include "core/factorization.h"
#include "core/measures.h"
#include "core/natural.h"
#include "core/numbers.h"
#include "core/powers.h"
#include "core/result_text.h"
#include "core/series.h"
#include "core/trigonometry.h"
#include "support/outcome.h"

// Every calculation of the windows, from the texts of its boxes to the texts of
// its labels (joined by " | "), or "error N". One row a case; the digits pin the
// order of the floating-point operations, which decides the last digit shown.

namespace vorlinde {
namespace {

using Texts = std::vector<std::string>;

std::string joined(const Texts& texts) {
  std::string s;
  for (const std::string& t : texts)
    s += (s.empty() ? "" : " | ") + t;
  return s;
}

template <class Array>
Texts texts(const Array& a) {
  return Texts(a.begin(), a.end());
}
Texts texts(const Answer& a) {
  return {a.first, a.second};
}

// A measure of the geometry window as it shows it.
template <class F>
std::function<Texts(const Texts&)> measured(F measure) {
  return [measure](const Texts& t) {
    std::vector<Real> v;
    for (const std::string& text : t)
      v.push_back(readDouble(text));
    const std::optional<Real> s = measurable(v) ? std::optional<Real>(measure(v)) : std::nullopt;
    return Texts{s ? numberText(s->value()) : "输入有误！"};
  };
}

const std::map<std::string, std::function<Texts(const Texts&)>> kCalculations = {
    {"factorize",
     [](const Texts& t) {
       Factorization f;
       return Texts{factorize(f, t[0])};
     }},
    {"factorial", [](const Texts& t) { return Texts{factorialCaption(t[0])}; }},
    {"gcd", [](const Texts& t) { return Texts{divisorAndMultipleCaption(t[0], t[1])}; }},
    {"power", [](const Texts& t) { return Texts{powerCaption(t[0], t[1])}; }},
    {"root",
     [](const Texts& t) {
       const RootAndLogarithm r = rootAndLogarithm(t[0]);
       return Texts{r.root, r.logarithm};
     }},
    {"trig",
     [](const Texts& t) {
       Texts shown;  // the values up to a failing one, then its error
       for (TrigStep step : kTrigSteps) {
         const std::string value =
             test::outcome([&] { return trigCaption(step, readDouble(t[0])); });
         shown.push_back(value);
         if (value.starts_with("error")) break;
       }
       return shown;
     }},
    {"quadratic", [](const Texts& t) { return texts(solveQuadratic(t)); }},
    {"system", [](const Texts& t) { return texts(solveSystem(t)); }},
    {"arithmetic", [](const Texts& t) { return texts(arithmeticPanel(t[0], t[1], t[2])); }},
    {"geometric", [](const Texts& t) { return texts(geometricPanel(t[0], t[1], t[2])); }},
    {"special", [](const Texts& t) { return texts(specialSeriesPanel(t[0])); }},
    {"triangle", measured([](auto& v) { return triangleArea(v[0], v[1]); })},
    {"sides", measured([](auto& v) { return triangleAreaFromSides(v[0], v[1], v[2]); })},
    {"rectangle", measured([](auto& v) { return rectangleArea(v[0], v[1]); })},
    {"trapezoid", measured([](auto& v) { return trapezoidArea(v[0], v[1], v[2]); })},
    {"circle", measured([](auto& v) { return circleArea(v[0]); })},
    {"sector", measured([](auto& v) { return sectorArea(v[0], v[1]); })},
    {"cylinder", measured([](auto& v) { return cylinderVolume(v[0], v[1]); })},
    {"cone", measured([](auto& v) { return coneVolume(v[0], v[1]); })},
    {"sphere", measured([](auto& v) { return sphereVolume(v[0]); })},
    {"grid result", [](const Texts& t) { return Texts{resultText(readDouble(t[0]))}; }},
};

TEST(Calculations, FromTheBoxesToTheLabels) {
  struct Case {
    const char* calculation;
    Texts boxes;
    const char* labels;
  } cases[] = {
      {"factorize", {"12"}, " 12 =  2 ×  2 ×  3"},
      {"factorize", {"2"}, " 2 =  2 (素数)"},
      {"factorize", {"13"}, " 13 =  (素数)"},
      {"factorize", {"32767"}, " 32767 =  7 ×  31 ×  151"},
      {"factorize", {"-7"}, "-7 = "},
      {"factorize", {"13.5cm"}, " 14 =  2 ×  7"},
      {"factorize", {"40000"}, "error 6"},
      {"factorial", {"170"}, "阶乘结果是：7.25741561530799E+306"},
      {"factorial", {"171"}, "error 6"},
      {"factorial", {"5.5"}, "阶乘结果是：720"},
      {"factorial", {"-3"}, "输入有误！"},
      {"factorial", {"0"}, "阶乘结果是：1"},
      {"gcd", {"12", "18"}, "结果分别为： 6  36"},
      {"gcd", {"-32768", "-1"}, "结果分别为： 1  32768"},
      {"gcd", {"0", "0"}, "结果分别为： 0  0"},
      {"gcd", {"4.5", "6"}, "结果分别为： 2  12"},
      {"gcd", {"1", "32767.5"}, "error 6"},
      {"power", {"2", "10"}, "1024"},
      {"power", {"0.5", "2000"}, "0"},
      {"power", {"2", "1024"}, "error 6"},
      {"power", {"-8", "0.333333333333333"}, "error 5"},
      {"power", {"0", "-1"}, "error 11"},
      {"root", {"10"}, "3.16227766016838 | 2.30258509299405"},
      {"root", {"0"}, "error 5"},
      {"root", {"-4"}, "error 5"},
      // Exact at the whole multiples of 30° and 45°, by their quadrant; the radians
      // and every other angle with the program's π.
      {"trig",
       {"30"},
       "0.523598775598298 | 0.5 | 0.866025403784439 | 0.577350269189626 | "
       "1.73205080756888 | 1.15470053837925 | 2"},
      {"trig",
       {"-30"},
       "-0.523598775598298 | -0.5 | 0.866025403784439 | -0.577350269189626 | "
       "-1.73205080756888 | 1.15470053837925 | -2"},
      {"trig",
       {"45"},
       "0.785398163397448 | 0.707106781186548 | 0.707106781186548 | 1 | 1 | 1.4142135623731 | "
       "1.4142135623731"},
      {"trig", {"90"}, "1.5707963267949 | 1 | 0 | 不存在 | 0 | 不存在 | 1"},
      {"trig",
       {"135"},
       "2.35619449019234 | 0.707106781186548 | -0.707106781186548 | -1 | -1 | -1.4142135623731 | "
       "1.4142135623731"},
      {"trig", {"180"}, "3.14159265358979 | 0 | -1 | 0 | 不存在 | -1 | 不存在"},
      {"trig",
       {"210"},
       "3.66519142918809 | -0.5 | -0.866025403784439 | 0.577350269189626 | 1.73205080756888 | "
       "-1.15470053837925 | -2"},
      {"trig", {"270"}, "4.71238898038469 | -1 | 0 | 不存在 | 0 | 不存在 | -1"},
      {"trig", {"0"}, "0 | 0 | 1 | 0 | 不存在 | 1 | 不存在"},
      {"trig", {"32760"}, "571.769862953342 | 0 | 1 | 0 | 不存在 | 1 | 不存在"},
      {"trig",
       {"179"},
       "3.12413936106985 | 0.0174524064372865 | -0.999847695156391 | -0.0174550649282206 | "
       "-57.2899616307495 | -1.00015232804391 | 57.2986884985402"},
      {"trig", {"1E-322"}, "0 | 0 | 1 | 0 | error 11"},
      {"trig",
       {"1E-310"},
       "1.74532925199524E-312 | 1.74532925199524E-312 | 1 | "
       "1.74532925199524E-312 | error 6"},
      {"trig", {"1E308"}, "error 6"},
      {"quadratic", {"1", "-3", "2"}, "x1=2 | x2=1"},
      {"quadratic", {"-1", "0", "4"}, "x1=-2 | x2=2"},
      {"quadratic", {"1", "200", "1"}, "x1=-0.00500012500624791 | x2=-199.994999874994"},
      {"quadratic", {"3", "-30", "-28"}, "x1=10.8594652770823 | x2=-0.859465277082315"},
      {"quadratic", {"1", "0", "1"}, "无实数根 | "},
      {"quadratic", {"0", "200", "1"}, "x=-0.005 | "},
      {"quadratic", {"0", "0", "5"}, "error 11"},
      {"quadratic", {"0", "0", "0"}, "error 6"},
      {"quadratic", {"1E-300", "1E10", "0"}, "error 6"},
      {"system", {"3", "4", "11", "5", "-6", "-7"}, "x1=1 | x2=2"},
      {"system", {"3", "0", "1", "0", "3", "2"}, "x1=0.333333333333333 | x2=0.666666666666667"},
      {"system", {"1", "1", "1", "1", "1", "2"}, "error 11"},
      {"system", {"2", "4", "6", "1", "2", "3"}, "error 6"},
      {"system", {"0", "0", "1", "1", "0", "0"}, "error 6"},
      {"arithmetic", {"0.5", "0.1", "10"}, "1.4 | 9.5"},
      {"arithmetic", {"1", "2", "0.51"}, "1 | 1"},
      {"arithmetic", {"1", "2", "2.5"}, "3 | 4"},
      {"arithmetic", {"1", "2", "32767.5"}, "error 6"},
      {"arithmetic", {"4E307", "0", "4"}, "error 6"},  // multiplied by n before it is halved
      // A sequence starts at its first term, however far below it n lies.
      {"arithmetic", {"1", "2", "0.5"}, "输入有误！ | 输入有误！"},
      {"arithmetic", {"1", "2", "-40000"}, "输入有误！ | 输入有误！"},
      {"geometric", {"3", "-2", "5"}, "48 | 33"},
      {"geometric", {"1", "-1", "4"}, "-1 | 0"},
      {"geometric", {"1", "0", "1"}, "1 | 1"},
      {"geometric", {"1", "1.0000001", "10"}, "1.00000090000036 | 10.0000045008441"},
      {"geometric", {"1", "0.999", "32767"}, "5.79144868361265E-15 | 999.999999999993"},
      {"geometric", {"7", " +1.000 ", "1"}, "对不起， | q不能等于1！"},
      {"geometric", {"1", "1", "40000"}, "error 6"},
      {"geometric", {"7", "1", "-2"}, "输入有误！ | 输入有误！"},
      {"special", {"10"}, "55 | 100 | 110 | 385 | 3025 | 440 | 0.909090909090909"},
      {"special",
       {"46340"},
       "1073720970 | 2147395600 | 2147441940 | 33171177740190 | "
       "1.15287672141774E+18 | 33172251461160 | 0.99997842083684"},
      {"special", {"2.5"}, "3 | 4 | 6 | 5 | 9 | 8 | 0.666666666666667"},
      {"special", {"46341"}, "error 6"},
      {"special",
       {"-3E9"},
       "输入有误！ | 输入有误！ | 输入有误！ | 输入有误！ | 输入有误！ | 输入有误！ | 输入有误！"},
      {"triangle", {"5", "2.5"}, "6.25"},
      {"triangle", {"1E200", "1E200"}, "error 6"},
      {"sides", {"3", "4", "5"}, "6"},
      {"sides", {"7", "8", "9"}, "26.8328157299975"},
      {"sides", {"20000", "20000", "1"}, "9999.999996875"},
      {"sides", {"6.7", "2.5", "4.2"}, "0"},
      {"sides", {"1.7", "2.5", "4.1"}, "0.915870487569074"},
      {"sides", {"2", "4", "1"}, "输入有误！"},
      {"sides", {"1E103", "1E103", "1E103"}, "error 6"},
      {"rectangle", {"6", "7"}, "42"},
      {"trapezoid", {"5", "3", "2"}, "10.5"},
      {"trapezoid", {"1.5E308", "1", "1.5E308"}, "error 6"},
      {"circle", {"2"}, "12.5663706143592"},
      {"sector", {"7.45", "375"}, "181.631506516529"},
      {"sector", {"1", "-90"}, "输入有误！"},
      {"cone", {"2", "-0"}, "0"},
      {"cylinder", {"6.82", "364.5"}, "53261.8386543324"},
      {"cone", {"18.5", "225.3"}, "80748.2774354021"},
      {"sphere", {"4.87"}, "483.810726646464"},
      {"sphere", {"-1"}, "输入有误！"},
      {"grid result", {"0.333333333333333"}, " .3333"},
      {"grid result", {"123456.7"}, " 123456"},
      {"grid result", {"-0.00001"}, "-1E-05"},
      {"grid result", {"-2"}, "-2"},
  };
  for (const Case& c : cases) {
    const auto& calculate = kCalculations.at(c.calculation);
    EXPECT_EQ(test::outcome([&] { return joined(calculate(c.boxes)); }), c.labels)
        << c.calculation << " " << joined(c.boxes);
  }
}

}  // namespace
}  // namespace vorlinde
