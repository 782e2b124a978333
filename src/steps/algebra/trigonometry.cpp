#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/messages.h"
#include "exact/angles.h"
#include "exact/notation.h"
#include "exact/transcendental.h"
#include "steps/algebra/angle_sum.h"
#include "steps/algebra/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The angle in radians as a fraction of π, the six functions exact at the
// multiples of 15°, and the unit circle.

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::ExactTrig;
using exact::exactTrig;
using exact::Rational;
using exact::reduceAngle;

// The six functions in the window's order: sin, cos, tan, cot, sec, csc.
constexpr int kTrigFunctions = 6;
constexpr std::array<const char*, kTrigFunctions> kTrigNames = {"sin α", "cos α", "tan α",
                                                                "cot α", "sec α", "csc α"};
constexpr std::array<const char*, kTrigFunctions> kTrigDefinitions = {
    "sin α",           "cos α",          "tan α = sin α/cos α", "cot α = cos α/sin α",
    "sec α = 1/cos α", "csc α = 1/sin α"};

// The panel's labels: the radians first, then the six functions in order.
constexpr std::size_t kRadiansLabel = 0;
constexpr std::size_t functionLabel(int function) {
  return static_cast<std::size_t>(function) + 1;
}

// An angle as written in degrees: "22.5", or a fraction where the decimal would not end.
std::string degreesText(const Rational& degrees, const NumberFormat& format) {
  const exact::Decimal d = exact::decimal(degrees, format);
  return d.exact ? d.text : number(degrees, format);
}

// The angle's place: "第二象限，参考角 30°" and the reduction of sin and cos to
// the reference angle, "sin 150° = sin 30°，cos 150° = -cos 30°"; empty on an axis
// or in the first quadrant.
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

// One function's value as the working writes it: "1/2 = 0.5", "不存在".
struct Value {
  std::string shown;    // after the name: "= 1/2 = 0.5", "≈ 0.38268343236509", "不存在"
  std::string answer;   // the answer item
  std::string decimal;  // as a label would show it: "0.5", "1", "不存在"
};

Value exactValue(const char* name, const std::optional<exact::SurdSum>& v, const NumberFormat& f) {
  if (!v) return {kUndefined, formula(name) + " " + kUndefined, kUndefined};
  const exact::Shown shown = exact::show(*v, f);
  return {"= " + shown.text(), answerItem(formula(name), shown),
          shown.decimal.empty() ? shown.exact : shown.decimal};
}

Value approximateValue(const char* name, const exact::Decimal& d) {
  const exact::Shown shown = exact::showDecimal(d);
  return {shown.text(), answerItem(formula(name), shown), d.text};
}

std::array<Value, kTrigFunctions> values(const Rational& reduced, const NumberFormat& f) {
  std::array<Value, kTrigFunctions> out;
  if (const std::optional<ExactTrig> exact = exactTrig(reduced)) {
    for (int i = 0; i < kTrigFunctions; ++i)
      out[i] = exactValue(kTrigNames[i], (*exact)[i], f);
    return out;
  }
  const std::array<exact::Decimal, kTrigFunctions> near = exact::trigDecimals(reduced, f);
  for (int i = 0; i < kTrigFunctions; ++i)
    out[i] = approximateValue(kTrigNames[i], near[i]);
  return out;
}

// Away from the special angles the window computes with π = 3.14159265358979, a
// little below π, in doubles; where its labels differ from the values here, it is said.
void windowDigits(Working& w, const Calculation& c, const std::string& radians,
                  const std::array<Value, kTrigFunctions>& v) {
  std::string differ;
  const auto compare = [&](const std::string& name, std::size_t label, const std::string& mine) {
    const std::string* text = c.label(label);
    if (!text || *text == mine) return;
    differ += (differ.empty() ? "" : "，") + name + " = " + *text;
  };
  compare(var("α"), kRadiansLabel, radians);
  for (int i = 0; i < kTrigFunctions; ++i)
    compare(formula(kTrigNames[i]), functionLabel(i), v[i].decimal);
  if (differ.empty()) return;
  line(w, LineKind::Note,
       "窗口显示 " + differ +
           "：窗口取 π = 3.14159265358979，比 π 略小，又用双精度数计算，所以与这里的值有出入。");
}

void windowError(Working& w, const Calculation& c) {
  if (!c.error) return;
  if (!c.label(kRadiansLabel)) {
    errorLine(w, c, "角度太大，窗口换算成弧度时超出了范围。");
    return;
  }
  for (int i = 0; i < kTrigFunctions; ++i) {
    if (c.label(functionLabel(i))) continue;
    // The window takes cot α as 1/tan α, so at an angle too small for the doubles
    // it divides by a tangent rounded to 0.
    static const char* const windowFormulas[] = {
        "sin α", "cos α", "tan α", "cot α = 1/tan α", "sec α = 1/cos α", "csc α = 1/sin α"};
    errorLine(w, c,
              "窗口算 " + formula(windowFormulas[i]) +
                  " 时分母为 0（或太接近 0），在这里停下，后面的值都没有算出。");
    return;
  }
  errorLine(w, c, "窗口在计算时报告了错误。");
}

Figure unitCircle(const Rational& reduced, const Rational& degrees, const std::string& point,
                  const NumberFormat& format);

// The point on the unit circle, with its exact coordinates where they are known.
std::string pointLabel(const Rational& reduced, const NumberFormat& f) {
  const std::optional<ExactTrig> exact = exactTrig(reduced);
  if (!exact) return "P(cos α, sin α)";
  return "P(" + exact::show(*(*exact)[1], f).exact + ", " + exact::show(*(*exact)[0], f).exact +
         ")";
}

// How the exact values are found: from the table of special angles, or by the sum
// formulas for the reference angle; for other angles the values are approximate.
void exactLines(Working& w, const Rational& reduced, const NumberFormat& f) {
  if (!exactTrig(reduced)) {
    line(w, LineKind::Method, formula("α 不是 15° 的整数倍，三角函数值取近似值"));
    return;
  }
  const long turn = reduced.get_num().get_si();
  const long halfTurn = turn % 180, reference = halfTurn > 90 ? 180 - halfTurn : halfTurn;
  const bool special = turn % 30 == 0 || turn % 45 == 0;
  line(w, LineKind::Method,
       special ? "特殊角的三角函数值（30°、45° 的整数倍）" : angleSumMethod(reference));
  if (const std::string place = referenceAngle(reduced); !place.empty())
    line(w, LineKind::Step, degreesText(reduced, f) + "° 在" + place);
  if (!special) angleSumSteps(w, static_cast<int>(reference));
}

void reduction(Working& w, const Rational& degrees, const exact::Integer& turns,
               const Rational& reduced, const NumberFormat& f) {
  if (turns == 0) return;
  const std::string k = turns < 0 ? "(" + turns.get_str() + ")" : turns.get_str();
  line(w, LineKind::Step,
       degreesText(degrees, f) + "° = " + degreesText(reduced, f) + "° + " + k +
           formula("×360°，α 与 ") + degreesText(reduced, f) +
           "° 角的终边相同，三角函数值也相同。");
}

}  // namespace

Working trigWorking(const Calculation& c) {
  Working w = begin(algebraCaption(), "三角函数");
  const std::optional<Rational> degrees = typed(c, 0);
  if (!degrees) {
    line(w, LineKind::Given, formula("α 不是数"));
    answer(w, {kNotANumber});
    return w;
  }
  const std::string typedAngle = typedText(c, 0);
  const std::string angle = degreesText(*degrees, c.format);
  line(w, LineKind::Given,
       formula("α = ") + angle + "°" +
           (notation::plain(angle) == typedAngle ? "" : "（输入的是“" + typedAngle + "”）"));
  line(w, LineKind::Method, "角度化弧度：1° = " + notation::frac("π", "180") + " 弧度");
  const exact::Shown radians = exact::show(exact::PiMultiple(*degrees / 180), c.format);
  line(w, LineKind::Step,
       formula("α = ") + angle + "×" + notation::frac("π", "180") + " = " + radians.text());
  const auto [reduced, turns] = reduceAngle(*degrees);
  reduction(w, *degrees, turns, reduced, c.format);

  const std::array<Value, kTrigFunctions> v = values(reduced, c.format);
  exactLines(w, reduced, c.format);
  for (int i = 0; i < kTrigFunctions; ++i)
    row(w, {formula(kTrigDefinitions[i]), v[i].shown});
  windowDigits(w, c, radians.decimal.empty() ? radians.exact : radians.decimal, v);
  windowError(w, c);
  w.figure = unitCircle(reduced, *degrees, pointLabel(reduced, c.format), c.format);
  std::vector<std::string> items{answerItem(var("α"), radians)};
  for (const Value& value : v)
    items.push_back(value.answer);
  answer(w, items);
  return w;
}

namespace {

Figure unitCircle(const Rational& reduced, const Rational& degrees, const std::string& point,
                  const NumberFormat& format) {
  Figure f;
  f.left = f.bottom = -1.45;
  f.right = f.top = 1.45;
  f.axes = true;
  f.xTick = f.yTick = 1;
  f.ellipses.push_back({{0, 0}, 1, 1, 0, 360, Stroke::Solid});
  const double a = reduced.get_d() * std::numbers::pi / 180;
  const double x = std::cos(a), y = std::sin(a);
  // The arc of α itself within a turn; past a turn, the arc of the angle with its terminal side.
  const double d = degrees.get_d();
  const double span = std::abs(d) <= 360 ? d : d > 0 ? reduced.get_d() : reduced.get_d() - 360;
  f.ellipses.push_back({{0, 0}, 0.22, 0.22, 0, span == 0 ? 0 : span, Stroke::Emphasis});
  f.paths.push_back({{{0, 0}, {x, y}}, Stroke::Emphasis});
  f.paths.push_back({{{x, y}, {x, 0}}, Stroke::Dashed});
  f.paths.push_back({{{x, y}, {0, y}}, Stroke::Dashed});
  f.dots.push_back({{x, y}, Stroke::Emphasis});
  // The angle's name inside it by its arc: a narrow angle's farther out along its
  // middle, where the arms part; a wide one's along the arc, off the axes.
  const double half = std::abs(span) < 30 ? (span < 0 ? -15 : 15) : span / 2;
  const auto inside = [&](double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return Point{radius * std::cos(a), radius * std::sin(a)};
  };
  std::vector<Point> places;
  if (std::abs(half) < 30)
    places = {inside(0.32, half), inside(0.45, half), inside(0.6, half), inside(0.75, half)};
  else
    places = {inside(0.34, half), inside(0.34, half * 0.7), inside(0.34, half * 1.3),
              inside(0.34, half * 0.4), inside(0.34, half * 1.6)};
  f.labels.push_back({places[0], "α", Anchor::Centre, {places.begin() + 1, places.end()}});
  const Anchor side = x >= 0 ? (y >= 0 ? Anchor::AboveRight : Anchor::BelowRight)
                             : (y >= 0 ? Anchor::AboveLeft : Anchor::BelowLeft);
  f.labels.push_back({{x, y}, point, side});
  f.caption = "α = " + degreesText(degrees, format) + "°";
  if (degrees != reduced) f.caption += "，终边与 " + degreesText(reduced, format) + "° 相同";
  return f;
}

}  // namespace

}  // namespace vorlinde::steps
