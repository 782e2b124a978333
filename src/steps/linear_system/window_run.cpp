// The linear-system window's own solver run again, and what its outcome needs said.

#include "steps/linear_system/window_run.h"
#include "core/linear_system.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/runtime_error.h"
#include "exact/notation.h"
#include "steps/shared/common.h"
#include "steps/shared/equation_scale.h"
#include "steps/shared/equation_text.h"
#include "steps/shared/values.h"

#include <algorithm>
#include <cmath>

namespace vorlinde::steps::linear {
namespace {

// The window's values count as right when they agree with the exact ones to this
// relative difference; more is the rounding of a nearly singular system.
constexpr double kAgreement = 1e-9;

bool differs(double shown, const exact::Rational& exactValue) {
  const double truth = eq::clampedDouble(exactValue);
  return std::fabs(shown - truth) > kAgreement * std::max(1.0, std::fabs(truth));
}

// Where the window's values stray from the exact ones: "x₂：窗口显示 1.5，精确值 3/2".
std::string strayValues(const Calculation& c, const WindowRun& run,
                        const std::vector<exact::Rational>& x) {
  std::string list;
  for (std::size_t i = 0; i < x.size() && i < run.x.size(); ++i) {
    if (!differs(run.x[i], x[i])) continue;
    list += (list.empty() ? "" : "；") + eq::unknown(static_cast<int>(i) + 1) + "：窗口显示 " +
            numberText(run.x[i], c.format) + "，精确值 " + exact::show(x[i], c.format).text();
  }
  return list;
}

}  // namespace

WindowRun rerun(const std::vector<std::vector<std::string>>& texts) {
  WindowRun run;
  LinearSystem system;
  const int n = static_cast<int>(texts.size());
  try {
    system.unknownCount = static_cast<std::int16_t>(n);
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j)
        system.coefficients[i][j] = Real(readLenient(texts[i - 1][j - 1]));
      system.rightHandSides[i] = Real(readLenient(texts[i - 1][n]));
    }
    run.failed = !system.gaussSolve();
  } catch (const RuntimeError&) {
    run.overflow = true;
    return run;
  }
  for (int i = 1; i <= n && !run.failed; ++i)
    run.x.push_back(system.solution[i].value());
  return run;
}

void windowNotes(Working& w, const Calculation& c, const WindowRun& run,
                 const std::optional<std::vector<exact::Rational>>& solution) {
  const bool failed = run.failed || !c.message.empty();
  if (run.overflow || c.error != 0) {
    windowNote(w, c, "有的数太大，窗口用小数消元时超出了范围；上面用精确的分数计算。");
  } else if (failed && solution) {
    windowNote(
        w, c,
        std::string("窗口显示“") + kGaussFailed +
            notation::formula(
                "”：它用小数消元，每一步选绝对值最大的数作主元 p，遇到 1 + p = 1（|p| 小于约 "
                "1.1×10⁻¹⁶）就当作 0 而停下。这个方程组用分数精确计算并不奇异，有唯一解。"));
  } else if (failed) {
    windowNote(w, c,
               std::string("窗口显示“") + kGaussFailed +
                   "”：消元时找不到不为 0 的主元，方程组没有唯一解；"
                   "上面按秩说明了它是无解还是有无穷多解。");
  } else if (!solution) {
    windowNote(w, c,
               "窗口用小数计算，舍入误差使它没有发现这个方程组其实是奇异的，它显示的“解”不可信。");
  } else if (const std::string stray = strayValues(c, run, *solution); !stray.empty()) {
    windowNote(w, c, "方程组接近奇异，窗口的小数计算误差很大：" + stray);
  }
}

}  // namespace vorlinde::steps::linear
