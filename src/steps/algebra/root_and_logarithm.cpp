#include <algorithm>
#include <cmath>

#include "exact/notation.h"
#include "exact/transcendental.h"
#include "steps/algebra/panels.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/roots.h"
#include "steps/shared/values.h"

// The square root in simplest radical form, and the logarithms: the window's
// "Log" is the natural logarithm, so both ln m and lg m are given.

namespace vorlinde::steps {
namespace {

using notation::formula;
using notation::var;

using exact::Integer;
using exact::Rational;

// k when m = 10ᵏ.
std::optional<long> tenPower(const Rational& m) {
  const Integer& top = m.get_num();
  const Integer& bottom = m.get_den();
  const Integer& power = bottom == 1 ? top : bottom;
  if ((bottom != 1 && top != 1) || power < 1) return std::nullopt;
  const long k = static_cast<long>(exact::digitCount(power)) - 1;
  Integer ten;
  mpz_ui_pow_ui(ten.get_mpz_t(), 10, static_cast<unsigned long>(k));
  if (ten != power) return std::nullopt;
  return bottom == 1 ? k : -k;
}

// y = ln x with the point (m, ln m), for m of a size a graph can show.
Figure logFigure(const Rational& m, double ln) {
  Figure f;
  const double x = m.get_d();
  const double right = std::max(3.0, x * 1.25);
  Figure::Path curve;
  for (int i = 1; i <= 200; ++i) {
    const double at = right * i / 200;
    curve.points.push_back({at, std::log(at)});
  }
  f.paths.push_back(curve);
  f.paths.push_back({{{x, 0}, {x, ln}}, Stroke::Dashed});
  f.paths.push_back({{{0, ln}, {x, ln}}, Stroke::Dashed});
  f.dots.push_back({{x, ln}, Stroke::Emphasis});
  f.labels.push_back({{x, ln}, "(m, ln m)", ln >= 0 ? Anchor::AboveLeft : Anchor::BelowRight});
  f.left = -0.3;
  f.right = right;
  f.bottom = std::min({-2.0, std::log(right / 200), ln - 0.5});
  f.top = std::max(2.0, std::log(right) + 0.3);
  f.sameScale = false;
  f.axes = true;
  f.xTick = right > 20 ? std::pow(10, std::floor(std::log10(right / 2))) : 1;
  f.yTick = 1;
  f.caption = "y = ln x";
  return f;
}

void logarithms(Working& w, const Calculation& c, const Rational& m,
                std::vector<std::string>& items) {
  line(w, LineKind::Method,
       "对数：窗口的 Log 是自然对数 ln（以 e ≈ 2.71828 为底），常用对数 lg 以 10 为底");
  const exact::Shown lnShown = m == 1 ? exact::show(Rational(0), c.format)
                                      : exact::showDecimal(exact::lnDecimal(m, c.format));
  line(w, LineKind::Step,
       formula("ln m = ln ") + base(m, c.format) + (m == 1 ? " = " : " ") + lnShown.text());
  if (const std::optional<long> k = tenPower(m)) {
    line(w, LineKind::Step,
         formula("lg m = lg 10") + notation::sup(std::to_string(*k)) + " = " + std::to_string(*k));
    items.push_back(answerItem(formula("ln m"), lnShown));
    items.push_back(formula("lg m = ") + std::to_string(*k));
  } else {
    const exact::Shown lg = exact::showDecimal(exact::lgDecimal(m, c.format));
    line(w, LineKind::Step,
         formula("lg m = ") + notation::frac(formula("ln m"), "ln 10") + " " + lg.text());
    items.push_back(answerItem(formula("ln m"), lnShown));
    items.push_back(answerItem(formula("lg m"), lg));
  }
  if (m >= Rational(1, 1000) && m <= 1000000) w.figure = logFigure(m, std::log(m.get_d()));
}

}  // namespace

Working rootWorking(const Calculation& c) {
  Working w = begin(algebraCaption(), "开平方与对数");
  line(w, LineKind::Given, given(c, var("m"), 0));
  const std::optional<Rational> m = typed(c, 0);
  if (!m) {
    answer(w, {kNotANumber});
    return w;
  }
  if (sgn(*m) < 0) {
    line(w, LineKind::Step, "负数没有实数平方根；对数的真数必须大于 0，负数也没有对数。");
    windowNote(w, c, "窗口在开平方时报告错误。");
    answer(w, {formula("√m 不存在"), formula("ln m 不存在"), formula("lg m 不存在")});
    return w;
  }
  line(w, LineKind::Method, "开平方：把被开方数的平方因数移到根号外，化成最简二次根式");
  const SimplestRoot root = simplestRoot(*m, c.format);
  const exact::Shown& shown = root.shown;
  line(w, LineKind::Step, root.chain + decimalPart(shown));
  std::vector<std::string> items{answerItem(formula("√m"), shown)};
  if (*m == 0) {
    line(w, LineKind::Step, "对数的真数必须大于 0，0 没有对数。");
    windowNote(w, c, formula("窗口在求对数时报告错误，所以 √m 也没有显示。"));
    items.insert(items.end(), {formula("ln m 不存在"), formula("lg m 不存在")});
  } else {
    logarithms(w, c, *m, items);
  }
  answer(w, items);
  return w;
}

}  // namespace vorlinde::steps
