#include "steps/geometry/measures.h"
#include "core/messages.h"
#include "exact/notation.h"
#include "steps/shared/answer.h"
#include "steps/shared/common.h"
#include "steps/shared/values.h"

// The reading and checking of the measurements, and the notes and labels the
// geometry window's rows share.

namespace vorlinde::steps {

std::optional<std::vector<exact::Rational>> measures(Working& w, const Calculation& c,
                                                     const std::vector<Measure>& row) {
  std::vector<exact::Rational> values;
  std::vector<std::string> refused;
  for (std::size_t box = 0; box < row.size(); ++box) {
    const Measure& m = row[box];
    line(w, LineKind::Given, m.what + " " + given(c, notation::var(m.name), box));
    const std::optional<exact::Rational> value = typed(c, box);
    if (value && sgn(*value) < 0) refused.push_back(m.what + " " + notation::var(m.name));
    if (value) values.push_back(*value);
  }
  if (values.size() != row.size()) {
    answer(w, {kNotANumber});
    return std::nullopt;
  }
  if (refused.empty()) return values;
  std::string names;
  for (const std::string& r : refused)
    names += (names.empty() ? "" : "、") + r;
  line(w, LineKind::Step,
       "长度和角度都不能是负数：" + names + " 小于 0，窗口显示“" + kRefusedInput + "”。");
  answer(w, {"输入有误，" + names + " 不能是负数"});
  return std::nullopt;
}

void windowResult(Working& w, const Calculation& c, const exact::Shown& exact, bool pi) {
  if (c.error) {
    windowNote(w, c, kWindowOverflow);
    return;
  }
  const std::string* shown = c.label(0);
  if (!shown || !shown->starts_with(kMeasurePrefix)) return;
  const std::string window = shown->substr(std::string_view(kMeasurePrefix).size());
  const std::string mine = exact.decimal.empty() ? notation::plain(exact.exact) : exact.decimal;
  if (window == mine) return;
  line(w, LineKind::Note,
       "窗口显示 " + *shown + "：它用双精度数计算" + (pi ? "，π 取 3.14159265358979" : "") +
           "，末位与准确值略有不同。");
}

std::string measureLabel(const std::string& name, const exact::Rational& value,
                         const NumberFormat& format) {
  const std::string text = number(value, format);
  // A long fraction would crowd the figure: its decimal stands in.
  if (notation::plain(text).size() <= 16) return name + " = " + text;
  const exact::Decimal d = exact::decimal(value, format);
  return name + (d.exact ? " = " : " ≈ ") + d.text;
}

}  // namespace vorlinde::steps
