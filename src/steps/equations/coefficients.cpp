// The equation panels' coefficients: the given lines, and what the working says of a box
// that holds no number.

#include "steps/equations/coefficients.h"
#include "exact/notation.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

#include <string>

namespace vorlinde::steps {
namespace {

constexpr std::size_t kPerEquation = 3;

}  // namespace

std::optional<std::vector<exact::Rational>> coefficients(Working& w, const Calculation& c,
                                                         std::span<const std::string_view> names,
                                                         std::string_view hint) {
  for (std::size_t first = 0; first < names.size(); first += kPerEquation) {
    std::string text;
    for (std::size_t i = first; i < first + kPerEquation && i < names.size(); ++i)
      text += (i == first ? "" : "，") + given(c, notation::formula(names[i]), i);
    line(w, LineKind::Given, text);
  }
  std::vector<exact::Rational> values;
  std::string missing;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (const std::optional<exact::Rational> value = typed(c, i))
      values.push_back(*value);
    else
      missing += (missing.empty() ? "" : "、") + notation::formula(names[i]);
  }
  if (missing.empty()) return values;
  windowNote(w, c, missing + " 中输入的不是一个数，窗口无法计算。" + std::string(hint));
  answer(w, {missing + " 不是数，无法求解"});
  return std::nullopt;
}

}  // namespace vorlinde::steps
