#pragma once

// The windows' own words: what stands before a result in its label, what a result
// label shows where a calculation has no number to show, the advice several
// panels share, and the messages the linear-system window adds to its advice.

namespace vorlinde {

// Before the results.
inline constexpr const char* kFactorialPrefix = "阶乘结果是：";
inline constexpr const char* kDivisorPrefix = "结果分别为：";
inline constexpr const char* kOnlyRootPrefix = "x=";  // a linear equation's one root
inline constexpr const char* kFirstRootPrefix = "x1=";
inline constexpr const char* kSecondRootPrefix = "x2=";
inline constexpr const char* kMeasurePrefix = "S=";  // an area, and a volume too

// Measurements that make no figure, a negative number for a factorial, or a
// sequence of fewer than one term.
inline constexpr const char* kRefusedInput = "输入有误！";
// A trigonometric function at an angle where it has no value (tan 90°).
inline constexpr const char* kUndefined = "不存在";
// A quadratic equation whose discriminant is negative.
inline constexpr const char* kNoRealRoots = "无实数根";

// A count of unknowns above the grid's ten rows, or below one.
inline constexpr const char* kTooManyUnknowns = "Number of input is too larger.";
inline constexpr const char* kTooFewUnknowns = "Number of input is too small.";
// A system whose elimination finds no pivot.
inline constexpr const char* kGaussFailed = "Gauss fail at 1.";

// Advice several panels give: a whole number out of the 16-bit range, a result
// beyond the numbers a window can show, and the grid's count of unknowns.
inline constexpr const char* kWholeNumberRange =
    "这里只能输入 -32768 到 32767 之间的整数，请换一个小一些的数。";
inline constexpr const char* kResultTooLarge = "结果太大，超出了能显示的范围，请换小一些的数。";
inline constexpr const char* kUnknownCountAdvice = "未知数的个数必须是 1 到 10 之间的整数。";

}  // namespace vorlinde
