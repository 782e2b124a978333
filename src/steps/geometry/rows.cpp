#include <algorithm>

#include "core/messages.h"
#include "core/panels.h"
#include "exact/notation.h"
#include "steps/geometry/figures.h"
#include "steps/geometry/measures.h"
#include "steps/geometry/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/roots.h"
#include "steps/shared/values.h"

// The geometry window's nine rows in one table, a row per panel: its heading, the
// measurements it reads and its formula, which gives the area or the volume
// exactly, in π and square roots.

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::Rational;
using notation::frac;
using notation::root;
using notation::sup;
using Values = std::vector<Rational>;

// What a row's formula found: the steps up to the value, and the value.
struct Found {
  std::string steps;
  exact::Shown value;
};
// A row's method, figure and steps once its measurements are read; nothing where
// the row has answered on its own.
using Formula = std::optional<Found> (*)(Working& w, const Calculation& c, const Values& v);

struct Row {
  PanelId panel;
  std::string heading;
  std::vector<Measure> measures;  // in the order of the row's boxes
  // The name of the result: S for an area, V for a volume (which the window too
  // labels "S=").
  std::string quantity;
  bool pi;  // the window computes the result with its stored π
  Formula formula;
};

// The steps of a chain up to its last, which the answer's value repeats: " = √36".
std::string allButLast(const std::string& chain) {
  const std::size_t last = chain.rfind(" = ");
  return last == std::string::npos ? "" : " = " + chain.substr(0, last);
}

// "a + b = 3 + 4 = 7 > 5 = c": whether two sides reach across the third.
bool sideSum(Working& w, const Values& v, const NumberFormat& f, int i, int j, int k) {
  static const char* names[] = {"a", "b", "c"};
  const Rational sum = v[i] + v[j];
  const int order = cmp(sum, v[k]);
  const char* relation = order > 0 ? ">" : order == 0 ? "=" : "<";
  row(w,
      {var(names[i]) + " + " + var(names[j]), "= " + number(v[i], f) + " + " + number(v[j], f),
       "= " + number(sum, f), std::string(relation) + " " + number(v[k], f), "= " + var(names[k])});
  return order > 0;
}

std::optional<Found> triangle(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational &a = v[0], &h = v[1];
  line(w, LineKind::Method, "三角形的面积 = 底×高÷2");
  w.figure = triangleFigure(a, h, measureLabel("a", a, f), measureLabel("h", h, f));
  return Found{
      formula("S = " + frac("ah", "2")) + " = " + frac(number(a, f) + "×" + number(h, f), "2"),
      exact::show(Rational(a * h / 2), f)};
}

// Three sides: the triangle inequality first, then Heron's formula.
std::optional<Found> heron(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational &a = v[0], &b = v[1], &s = v[2];
  const std::vector<std::string> labels = {measureLabel("a", a, f), measureLabel("b", b, f),
                                           measureLabel("c", s, f)};
  line(w, LineKind::Method, "先检验：三角形任意两边之和大于第三边");
  const bool ab = sideSum(w, v, f, 0, 1, 2), bc = sideSum(w, v, f, 1, 2, 0),
             ac = sideSum(w, v, f, 0, 2, 1);
  if (!(ab && bc && ac)) {
    line(w, LineKind::Step, "有两边之和不大于第三边，这三条线段不能构成三角形。");
    const std::string* shown = c.label(0);
    if (shown && *shown == std::string(kMeasurePrefix) + "0")
      line(w, LineKind::Note, "两边之和等于第三边时三条线段叠在一条直线上，窗口按面积 0 计算。");
    w.figure = sidesFigure(v, labels, false);
    answer(w, {"这三条线段不能构成三角形"});
    return std::nullopt;
  }
  line(w, LineKind::Step, "能构成三角形。");
  line(w, LineKind::Method,
       formula("海伦公式：S = " + root("p(p - a)(p - b)(p - c)") +
               "，其中 p = " + frac("a + b + c", "2")));
  const Rational p = (a + b + s) / 2;
  line(w, LineKind::Step,
       formula("p = ") + frac(number(a, f) + " + " + number(b, f) + " + " + number(s, f), "2") +
           " = " + exact::show(p, f).text());
  const Rational product = p * (p - a) * (p - b) * (p - s);
  const std::string P = number(p, f);
  const SimplestRoot r = simplestRoot(product, f);
  w.figure = sidesFigure(v, labels, true);
  return Found{formula("S = ") +
                   root(P + "×(" + P + " - " + number(a, f) + ")×(" + P + " - " + number(b, f) +
                        ")×(" + P + " - " + number(s, f) + ")") +
                   " = " +
                   root(P + "×" + number(Rational(p - a), f) + "×" + number(Rational(p - b), f) +
                        "×" + number(Rational(p - s), f)) +
                   allButLast(r.chain),
               r.shown};
}

std::optional<Found> rectangle(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational &a = v[0], &b = v[1];
  line(w, LineKind::Method, "长方形的面积 = 长×宽");
  w.figure = rectangleFigure(a, b, measureLabel("a", a, f), measureLabel("b", b, f));
  return Found{formula("S = ab = ") + number(a, f) + "×" + number(b, f),
               exact::show(Rational(a * b), f)};
}

std::optional<Found> trapezoid(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational &b = v[0], &h = v[1], &a = v[2];
  line(w, LineKind::Method, "梯形的面积 = (上底 + 下底)×高÷2");
  w.figure = trapezoidFigure(
      v, {measureLabel("b", b, f), measureLabel("h", h, f), measureLabel("a", a, f)});
  return Found{formula("S = " + frac("(a + b)h", "2")) + " = " +
                   frac("(" + number(a, f) + " + " + number(b, f) + ")×" + number(h, f), "2"),
               exact::show(Rational((a + b) * h / 2), f)};
}

std::optional<Found> circle(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational& r = v[0];
  line(w, LineKind::Method, "圆的面积 = π×半径²");
  w.figure = circleFigure(measureLabel("r", r, f));
  return Found{formula("S = πr" + sup("2") + " = π×") + base(r, f) + sup("2"),
               exact::show(exact::PiMultiple(r * r), f)};
}

std::optional<Found> sector(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational &r = v[0], &n = v[1];
  line(w, LineKind::Method, formula("圆心角为 n° 的扇形面积 = " + frac("nπr" + sup("2"), "360")));
  if (n > 360) line(w, LineKind::Note, "圆心角大于 360°，已经不是扇形；窗口仍按公式计算。");
  const exact::Shown arc = exact::show(exact::PiMultiple(n * r / 180), f);
  line(w, LineKind::Note,
       formula("弧长 l = " + frac("nπr", "180")) + " = " +
           frac(number(n, f) + "×π×" + number(r, f), "180") + " = " + arc.text());
  w.figure = sectorFigure(n, measureLabel("r", r, f), measureLabel("n", n, f) + "°");
  return Found{formula("S = " + frac("nπr" + sup("2"), "360")) + " = " +
                   frac(number(n, f) + "×π×" + base(r, f) + sup("2"), "360"),
               exact::show(exact::PiMultiple(n * r * r / 360), f)};
}

std::optional<Found> cylinder(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational &r = v[0], &h = v[1];
  line(w, LineKind::Method, "圆柱的体积 = 底面积×高");
  w.figure = cylinderFigure(r, h, measureLabel("r", r, f), measureLabel("h", h, f));
  return Found{formula("V = πr" + sup("2") + "h = π×") + base(r, f) + sup("2") + "×" + number(h, f),
               exact::show(exact::PiMultiple(r * r * h), f)};
}

// The slant height too, for the figure.
std::optional<Found> cone(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational &r = v[0], &h = v[1];
  line(w, LineKind::Method, "圆锥的体积 = " + frac("1", "3") + "×底面积×高");
  const SimplestRoot slant = simplestRoot(Rational(r * r + h * h), f);
  const exact::Shown& l = slant.shown;
  line(w, LineKind::Note,
       formula("母线 l = " + root("r" + sup("2") + " + h" + sup("2"))) + " = " +
           root(base(r, f) + sup("2") + " + " + base(h, f) + sup("2")) + " = " + slant.chain +
           decimalPart(l));
  const std::string slantLabel = slant.value && slant.value->isRational()
                                     ? measureLabel("l", slant.value->a(), f)
                                     : "l ≈ " + l.decimal;
  w.figure = coneFigure(r, h, {measureLabel("r", r, f), measureLabel("h", h, f), slantLabel});
  return Found{formula("V = " + frac("πr" + sup("2") + "h", "3")) + " = " +
                   frac("π×" + base(r, f) + sup("2") + "×" + number(h, f), "3"),
               exact::show(exact::PiMultiple(r * r * h / 3), f)};
}

std::optional<Found> sphere(Working& w, const Calculation& c, const Values& v) {
  const NumberFormat& f = c.format;
  const Rational& r = v[0];
  line(w, LineKind::Method, "球的体积 = " + frac("4", "3") + "π×半径" + sup("3"));
  w.figure = sphereFigure(measureLabel("r", r, f));
  return Found{formula("V = " + frac("4πr" + sup("3"), "3")) + " = " +
                   frac("4×π×" + base(r, f) + sup("3"), "3"),
               exact::show(exact::PiMultiple(4 * r * r * r / 3), f)};
}

// Made on first use: a table at namespace scope would be built at every start-up.
const std::vector<Row>& rows() {
  using P = PanelId;
  // clang-format off
  static const std::vector<Row> table = {
      {P::Triangle, "三角形（底和高）", {{"a", "底"}, {"h", "高"}}, "S", false, triangle},
      {P::TriangleBySides, "三角形（三边）", {{"a", "边"}, {"b", "边"}, {"c", "边"}}, "S", false, heron},
      {P::Rectangle, "长方形", {{"a", "长"}, {"b", "宽"}}, "S", false, rectangle},
      {P::Trapezoid, "梯形", {{"b", "下底"}, {"h", "高"}, {"a", "上底"}}, "S", false, trapezoid},
      {P::Circle, "圆", {{"r", "半径"}}, "S", true, circle},
      {P::Sector, "扇形", {{"r", "半径"}, {"n", "圆心角（度）"}}, "S", true, sector},
      {P::Cylinder, "圆柱", {{"r", "底面半径"}, {"h", "高"}}, "V", true, cylinder},
      {P::Cone, "圆锥", {{"r", "底面半径"}, {"h", "高"}}, "V", true, cone},
      {P::Sphere, "球", {{"r", "半径"}}, "V", true, sphere},
  };
  // clang-format on
  return table;
}

}  // namespace

Working geometryWorking(const Calculation& c) {
  const Row& entry = *std::ranges::find(rows(), c.panel, &Row::panel);
  Working w = begin(std::string(toolWindow(WindowId::Geometry).caption), entry.heading);
  const std::optional<Values> v = measures(w, c, entry.measures);
  if (!v) return w;
  const std::optional<Found> found = entry.formula(w, c, *v);
  if (!found) return w;
  // A value known only by its decimal follows with its "≈" alone.
  line(w, LineKind::Step,
       found->steps + (found->value.exact.empty() ? " " : " = ") + found->value.text());
  windowResult(w, c, found->value, entry.pi);
  answer(w, {answerItem(var(entry.quantity), found->value)});
  return w;
}

}  // namespace vorlinde::steps
