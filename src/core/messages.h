#pragma once

// The words a result label shows where a calculation has no number to show.

namespace vorlinde {

// Measurements that make no figure, a negative number for a factorial, or a
// sequence of fewer than one term.
inline constexpr const char* kRefusedInput = "输入有误！";
// A trigonometric function at an angle where it has no value (tan 90°).
inline constexpr const char* kUndefined = "不存在";

}  // namespace vorlinde
