#pragma once

#include "exact/notation.h"
#include "steps/working.h"

// A hand-made working of x² - 3x + 1 = 0 with every kind of line, every mark of
// the notation and a figure: what the typesetting and the figure view are tested with.

namespace vorlinde::working::sample {

inline steps::Working quadratic() {
  using namespace notation;
  using steps::LineKind;
  steps::Working w{"解方程", "一元二次方程", {}, {}};
  const auto line = [&](LineKind kind, std::string text) { w.lines.push_back({kind, text, {}}); };
  const auto row = [&](std::vector<std::string> cells) {
    w.lines.push_back({LineKind::Row, "", std::move(cells)});
  };
  const std::string x1 = frac("3+" + root("5"), "2"), x2 = frac("3-" + root("5"), "2");
  line(LineKind::Heading, "解方程 · 一元二次方程");
  line(LineKind::Given, "x" + sup("2") + " - 3x + 1 = 0，a = 1，b = -3，c = 1");
  line(LineKind::Method, "解法一：公式法");
  line(LineKind::Step, "Δ = b" + sup("2") + " - 4ac = (-3)" + sup("2") + " - 4×1×1 = 5 > 0");
  line(LineKind::Step,
       "x = " + frac("-b ± " + root("Δ"), "2a") + " = " + frac("3 ± " + root("5"), "2"));
  line(LineKind::Method, "解法二：配方法");
  line(LineKind::Step, "(x - " + frac("3", "2") + ")" + sup("2") + " = " + frac("5", "4") +
                           "，x - " + frac("3", "2") + " = ±" + frac(root("5"), "2"));
  line(LineKind::Step, "列表：");
  row({"x", "0", x2, frac("3", "2"), x1, "3"});
  row({"y", "1", "0", "-" + frac("5", "4"), "0", "1"});
  line(LineKind::Note, "检验：x" + sub("1") + " + x" + sub("2") + " = 3，x" + sub("1") + "x" +
                           sub("2") + " = 1；" + frac("1", root("2")) + " = " +
                           frac(root("2"), "2") + "，" + root(frac("1", "2")) + "，2" + sup("1.5") +
                           " ≈ 2.828，a" + sub("n+1") + " = 2a" + sub("n"));
  line(LineKind::Answer, "答：x" + sub("1") + " = " + x1 + "，x" + sub("2") + " = " + x2);

  steps::Figure& f = w.figure;
  f.left = -1.5, f.right = 4.5, f.bottom = -2, f.top = 5;
  f.axes = true, f.xTick = 1, f.yTick = 1;
  steps::Figure::Path curve;
  for (int i = 0; i <= 60; ++i) {
    const double x = -0.7 + i * 4.4 / 60;
    curve.points.push_back({x, x * x - 3 * x + 1});
  }
  f.paths.push_back(curve);
  f.paths.push_back({{{1.5, -2}, {1.5, 5}}, steps::Stroke::Dashed});
  f.dots.push_back({{(3 - 2.2360679775) / 2, 0}, steps::Stroke::Emphasis});
  f.dots.push_back({{(3 + 2.2360679775) / 2, 0}, steps::Stroke::Emphasis});
  f.dots.push_back({{1.5, -1.25}});
  f.labels.push_back({{(3 - 2.2360679775) / 2, 0}, "x" + sub("1"), steps::Anchor::AboveLeft});
  f.labels.push_back({{(3 + 2.2360679775) / 2, 0}, "x" + sub("2"), steps::Anchor::AboveRight});
  f.labels.push_back(
      {{1.5, -1.25}, "(" + frac("3", "2") + ", -" + frac("5", "4") + ")", steps::Anchor::Below});
  f.caption = "y = x² - 3x + 1";
  return w;
}

}  // namespace vorlinde::working::sample
