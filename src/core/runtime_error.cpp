#include "core/runtime_error.h"

namespace vorlinde {

std::string errorText(ErrorCode code) {
  switch (code) {
    case ErrorCode::InvalidCall:
      return "无效的过程调用或参数";
    case ErrorCode::Overflow:
      return "溢出";
    case ErrorCode::SubscriptOutOfRange:
      return "下标越界";
    case ErrorCode::DivisionByZero:
      return "除数为零";
    case ErrorCode::TypeMismatch:
      return "类型不匹配";
  }
  return "";
}

std::string errorPrompt(ErrorCode code) {
  return "运行时错误 '" + std::to_string(static_cast<int>(code)) + "':\n\n" + errorText(code);
}

RuntimeError::RuntimeError(ErrorCode code) : code_(code), prompt_(errorPrompt(code)) {}

void RuntimeError::advise(const std::string& advice) {
  prompt_ = advice.empty() ? errorPrompt(code_) : advice + "\n\n" + errorPrompt(code_);
}

}  // namespace vorlinde
