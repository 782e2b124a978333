#include "steps/sequences/terms.h"

#include <algorithm>
#include <cmath>

// The first terms and partial sums as points, scaled by a power of ten where
// they would not fit a double or a readable axis.

namespace vorlinde::steps {
namespace {

// The figure shows no more terms than this, however many the panel sums.
constexpr long kMostFigureTerms = 50;

struct Points {
  std::vector<exact::Float> terms, sums;
};

Points firstTerms(const exact::Integer& n, const std::function<exact::Float(long)>& term) {
  Points p;
  exact::Float total = exact::toFloat(0);
  for (long k = 1; k <= n && k <= kMostFigureTerms; ++k) {
    p.terms.push_back(term(k));
    total += p.terms.back();
    p.sums.push_back(total);
  }
  return p;
}

// The largest magnitude among the values, or nothing when all are 0.
std::optional<exact::Float> largest(const std::vector<exact::Float>& a,
                                    const std::vector<exact::Float>& b) {
  std::optional<exact::Float> top;
  for (const auto* values : {&a, &b})
    for (const exact::Float& v : *values)
      if (sgn(v) != 0 && (!top || abs(v) > *top)) top = exact::Float(abs(v));
  return top;
}

}  // namespace

Figure sequenceFigure(const exact::Integer& n, const std::function<exact::Float(long)>& term,
                      std::string caption) {
  const auto [terms, sums] = firstTerms(n, term);
  Figure f;
  f.sameScale = false;
  f.axes = true;
  // Values past a million or below a thousandth are shown in units of a power of ten.
  long exponent = 0;
  if (const std::optional<exact::Float> top = largest(terms, sums)) {
    const long e = exact::decimalExponent(*top);
    if (e > 6 || e < -3) exponent = e;
  }
  exact::Float unit(1, 256);
  mpf_pow_ui(unit.get_mpf_t(), exact::Float(10, 256).get_mpf_t(), std::labs(exponent));
  const auto scaled = [&](const exact::Float& v) {
    exact::Float s(0, 256);
    if (exponent >= 0)
      s = v / unit;
    else
      s = v * unit;
    return s.get_d();
  };
  double low = 0, high = 0;
  const auto plot = [&](const std::vector<exact::Float>& values, Stroke stroke,
                        const std::string& name) {
    Figure::Path path{{}, Stroke::Thin};
    for (std::size_t k = 0; k < values.size(); ++k) {
      const Point p{static_cast<double>(k + 1), scaled(values[k])};
      low = std::min(low, p.y);
      high = std::max(high, p.y);
      f.dots.push_back({p, stroke});
      path.points.push_back(p);
    }
    if (values.empty()) return;
    f.paths.push_back(path);
    f.labels.push_back({path.points.back(), name, Anchor::Right});
  };
  plot(terms, Stroke::Solid, termName());
  plot(sums, Stroke::Emphasis, sumName());
  if (high - low == 0) high = 1;
  const double margin = (high - low) * 0.08;
  const double count = static_cast<double>(std::max(terms.size(), sums.size()));
  // Room left of the y axis for its tick labels.
  f.left = -(count + 1) * 0.12;
  f.right = count + std::max(1.0, count * 0.12);
  f.bottom = low - margin;
  f.top = high + margin;
  f.xTick = count > 20 ? 5 : 1;
  f.yTick = niceTick(high - low);
  if (exponent != 0) caption += "（纵轴单位：10" + notation::sup(std::to_string(exponent)) + "）";
  f.caption = std::move(caption);
  return f;
}

}  // namespace vorlinde::steps
