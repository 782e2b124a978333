#pragma once

// The words the windows show where a calculation has no number to show, and
// the advice several panels share.

namespace vorlinde {

// Measurements that make no figure, a negative number for a factorial, or a
// sequence of fewer than one term.
inline constexpr const char* kRefusedInput = "输入有误！";
// A trigonometric function at an angle where it has no value (tan 90°).
inline constexpr const char* kUndefined = "不存在";

// Advice several panels give: a whole number out of the 16-bit range, a result
// beyond the numbers a window can show, and the grid's count of unknowns.
inline constexpr const char* kWholeNumberRange =
    "这里只能输入 -32768 到 32767 之间的整数，请换一个小一些的数。";
inline constexpr const char* kResultTooLarge = "结果太大，超出了能显示的范围，请换小一些的数。";
inline constexpr const char* kUnknownCountAdvice = "未知数的个数必须是 1 到 10 之间的整数。";

}  // namespace vorlinde
