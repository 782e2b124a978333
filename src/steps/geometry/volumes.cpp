#include "exact/notation.h"
#include "steps/geometry/figures.h"
#include "steps/geometry/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/roots.h"
#include "steps/shared/values.h"

// The volumes of the cylinder, the cone and the sphere, exact in π. The window
// labels them "S=" as it does the areas; the working names them V.

namespace vorlinde::steps {
namespace {

using exact::Rational;
using notation::frac;
using notation::sup;

void volume(Working& w, const Calculation& c, const std::string& steps, const Rational& k) {
  const exact::Shown value = exact::show(exact::PiMultiple(k), c.format);
  line(w, LineKind::Step, steps + " = " + value.text());
  windowResult(w, c, value, true);
  answer(w, {answerItem("V", value)});
}

}  // namespace

Working cylinderWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "圆柱");
  const auto v = measures(w, c, {{"r", "底面半径"}, {"h", "高"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational &r = (*v)[0], &h = (*v)[1];
  line(w, LineKind::Method, "圆柱的体积 = 底面积×高");
  w.figure = cylinderFigure(r, h, measureLabel("r", r, f), measureLabel("h", h, f));
  volume(w, c, "V = πr" + sup("2") + "h = π×" + base(r, f) + sup("2") + "×" + number(h, f),
         r * r * h);
  return w;
}

Working coneWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "圆锥");
  const auto v = measures(w, c, {{"r", "底面半径"}, {"h", "高"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational &r = (*v)[0], &h = (*v)[1];
  line(w, LineKind::Method, "圆锥的体积 = " + frac("1", "3") + "×底面积×高");
  const SimplestRoot slant = simplestRoot(Rational(r * r + h * h), f);
  const exact::Shown& l = slant.shown;
  line(w, LineKind::Note,
       "母线 l = " + notation::root("r" + sup("2") + " + h" + sup("2")) + " = " +
           notation::root(base(r, f) + sup("2") + " + " + base(h, f) + sup("2")) + " = " +
           slant.chain + (l.decimal.empty() ? "" : " ≈ " + l.decimal));
  const std::string slantLabel = slant.value && slant.value->isRational()
                                     ? measureLabel("l", slant.value->a(), f)
                                     : "l ≈ " + l.decimal;
  w.figure = coneFigure(r, h, {measureLabel("r", r, f), measureLabel("h", h, f), slantLabel});
  volume(w, c,
         "V = " + frac("πr" + sup("2") + "h", "3") + " = " +
             frac("π×" + base(r, f) + sup("2") + "×" + number(h, f), "3"),
         r * r * h / 3);
  return w;
}

Working sphereWorking(const Calculation& c) {
  Working w = begin(kGeometryCaption, "球");
  const auto v = measures(w, c, {{"r", "半径"}});
  if (!v) return w;
  const NumberFormat& f = c.format;
  const Rational& r = (*v)[0];
  line(w, LineKind::Method, "球的体积 = " + frac("4", "3") + "π×半径" + sup("3"));
  w.figure = sphereFigure(measureLabel("r", r, f));
  volume(w, c,
         "V = " + frac("4πr" + sup("3"), "3") + " = " + frac("4×π×" + base(r, f) + sup("3"), "3"),
         4 * r * r * r / 3);
  return w;
}

}  // namespace vorlinde::steps
