#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exact/exact.h"

// The answer line: "答：" and each result as `name = exact`, the decimal after it
// where the value is not whole, items separated by "，".

namespace vorlinde::steps {

// The answer where a box the working needs held no number.
inline constexpr const char* kNotANumber = "输入的不是数";
// Where the window's double arithmetic overflowed.
inline constexpr const char* kWindowOverflow =
    "结果超出了双精度数能表示的范围（约 1.79769313486232E+308），窗口报告溢出。";

// "x₁ = (3+√5)/2 ≈ 2.61803398874989", "x = 3/2 = 1.5", "x = -3".
std::string answerItem(std::string_view name, const exact::Shown& value);
// "答：" followed by the items, each already written (answerItem() or words such
// as "方程无实数根" or "tan α 不存在").
std::string answerLine(const std::vector<std::string>& items);

}  // namespace vorlinde::steps
