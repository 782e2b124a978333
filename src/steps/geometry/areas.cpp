#include "core/messages.h"
#include "exact/notation.h"
#include "steps/geometry/figures.h"
#include "steps/geometry/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/roots.h"
#include "steps/shared/values.h"

// The areas of the plane figures: the formula, the values put in, the exact value.

namespace vorlinde::steps {
namespace {

using exact::Rational;
using notation::frac;
using notation::root;
using notation::sup;

// The area found: its step, the note on the window's own result, the answer.
void area(Working& w, const Calculation& c, const std::string& steps, const exact::Shown& value,
          bool pi = false) {
  // A value known only by its decimal follows with its "≈" alone.
  line(w, LineKind::Step, steps + (value.exact.empty() ? " " : " = ") + value.text());
  windowResult(w, c, value, pi);
  answer(w, {answerItem("S", value)});
}

// The steps of a chain up to its last, which the answer's value repeats: " = √36".
std::string allButLast(const std::string& chain) {
  const std::size_t last = chain.rfind(" = ");
  return last == std::string::npos ? "" : " = " + chain.substr(0, last);
}

// "a + b = 3 + 4 = 7 > 5 = c": whether two sides reach across the third.
bool sideSum(Working& w, const std::vector<Rational>& v, const NumberFormat& f, int i, int j,
             int k) {
  static const char* names[] = {"a", "b", "c"};
  const Rational sum = v[i] + v[j];
  const int order = cmp(sum, v[k]);
  const char* relation = order > 0 ? ">" : order == 0 ? "=" : "<";
  row(w, {std::string(names[i]) + " + " + names[j],
          "= " + number(v[i], f) + " + " + number(v[j], f), "= " + number(sum, f),
          std::string(relation) + " " + number(v[k], f), std::string("= ") + names[k]});
  return order > 0;
}

}  // namespace

Working triangleWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "三角形（底和高）");
  const auto v = measures(w, c, {{"a", "底"}, {"h", "高"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational& a = (*v)[0];
  const Rational& h = (*v)[1];
  line(w, LineKind::Method, "三角形的面积 = 底×高÷2");
  w.figure = triangleFigure(a, h, measureLabel("a", a, f), measureLabel("h", h, f));
  area(w, c, "S = " + frac("ah", "2") + " = " + frac(number(a, f) + "×" + number(h, f), "2"),
       exact::show(Rational(a * h / 2), f));
  return w;
}

Working heronWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "三角形（三边）");
  const auto v = measures(w, c, {{"a", "边"}, {"b", "边"}, {"c", "边"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational &a = (*v)[0], &b = (*v)[1], &s = (*v)[2];
  const std::vector<std::string> labels = {measureLabel("a", a, f), measureLabel("b", b, f),
                                           measureLabel("c", s, f)};
  line(w, LineKind::Method, "先检验：三角形任意两边之和大于第三边");
  const bool ab = sideSum(w, *v, f, 0, 1, 2), bc = sideSum(w, *v, f, 1, 2, 0),
             ac = sideSum(w, *v, f, 0, 2, 1);
  if (!(ab && bc && ac)) {
    line(w, LineKind::Step, "有两边之和不大于第三边，这三条线段不能构成三角形。");
    const std::string* shown = c.label(0);
    if (shown && *shown == std::string(kMeasurePrefix) + "0")
      line(w, LineKind::Note, "两边之和等于第三边时三条线段叠在一条直线上，窗口按面积 0 计算。");
    w.figure = sidesFigure(*v, labels, false);
    answer(w, {"这三条线段不能构成三角形"});
    return w;
  }
  line(w, LineKind::Step, "能构成三角形。");
  line(w, LineKind::Method,
       "海伦公式：S = " + root("p(p - a)(p - b)(p - c)") + "，其中 p = " + frac("a + b + c", "2"));
  const Rational p = (a + b + s) / 2;
  line(w, LineKind::Step,
       "p = " + frac(number(a, f) + " + " + number(b, f) + " + " + number(s, f), "2") + " = " +
           exact::show(p, f).text());
  const Rational product = p * (p - a) * (p - b) * (p - s);
  const std::string P = number(p, f);
  const SimplestRoot r = simplestRoot(product, f);
  w.figure = sidesFigure(*v, labels, true);
  area(w, c,
       "S = " +
           root(P + "×(" + P + " - " + number(a, f) + ")×(" + P + " - " + number(b, f) + ")×(" + P +
                " - " + number(s, f) + ")") +
           " = " +
           root(P + "×" + number(Rational(p - a), f) + "×" + number(Rational(p - b), f) + "×" +
                number(Rational(p - s), f)) +
           allButLast(r.chain),
       r.shown);
  return w;
}

Working rectangleWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "长方形");
  const auto v = measures(w, c, {{"a", "长"}, {"b", "宽"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational &a = (*v)[0], &b = (*v)[1];
  line(w, LineKind::Method, "长方形的面积 = 长×宽");
  w.figure = rectangleFigure(a, b, measureLabel("a", a, f), measureLabel("b", b, f));
  area(w, c, "S = ab = " + number(a, f) + "×" + number(b, f), exact::show(Rational(a * b), f));
  return w;
}

Working trapezoidWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "梯形");
  const auto v = measures(w, c, {{"b", "下底"}, {"h", "高"}, {"a", "上底"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational &b = (*v)[0], &h = (*v)[1], &a = (*v)[2];
  line(w, LineKind::Method, "梯形的面积 = (上底 + 下底)×高÷2");
  w.figure = trapezoidFigure(
      *v, {measureLabel("b", b, f), measureLabel("h", h, f), measureLabel("a", a, f)});
  area(w, c,
       "S = " + frac("(a + b)h", "2") + " = " +
           frac("(" + number(a, f) + " + " + number(b, f) + ")×" + number(h, f), "2"),
       exact::show(Rational((a + b) * h / 2), f));
  return w;
}

Working circleWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "圆");
  const auto v = measures(w, c, {{"r", "半径"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational& r = (*v)[0];
  line(w, LineKind::Method, "圆的面积 = π×半径²");
  w.figure = circleFigure(measureLabel("r", r, f));
  area(w, c, "S = πr" + sup("2") + " = π×" + base(r, f) + sup("2"),
       exact::show(exact::PiMultiple(r * r), f), true);
  return w;
}

Working sectorWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "扇形");
  const auto v = measures(w, c, {{"r", "半径"}, {"n", "圆心角（度）"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational &r = (*v)[0], &n = (*v)[1];
  line(w, LineKind::Method, "圆心角为 n° 的扇形面积 = " + frac("nπr" + sup("2"), "360"));
  if (n > 360) line(w, LineKind::Note, "圆心角大于 360°，已经不是扇形；窗口仍按公式计算。");
  const exact::Shown arc = exact::show(exact::PiMultiple(n * r / 180), f);
  line(w, LineKind::Note,
       "弧长 l = " + frac("nπr", "180") + " = " + frac(number(n, f) + "×π×" + number(r, f), "180") +
           " = " + arc.text());
  w.figure = sectorFigure(n, measureLabel("r", r, f), measureLabel("n", n, f) + "°");
  area(w, c,
       "S = " + frac("nπr" + sup("2"), "360") + " = " +
           frac(number(n, f) + "×π×" + base(r, f) + sup("2"), "360"),
       exact::show(exact::PiMultiple(n * r * r / 360), f), true);
  return w;
}

}  // namespace vorlinde::steps
