#pragma once

#include <exception>
#include <string>

namespace vorlinde {

// The run-time errors that ordinary input can reach, by their traditional numbers.
enum class ErrorCode {
  InvalidCall = 5,          // square root or logarithm of a bad argument, and the like
  Overflow = 6,             // a value outside its kind's range, or an invalid result
  SubscriptOutOfRange = 9,  // an index outside an array's bounds
  DivisionByZero = 11,      // a non-zero value divided by zero
  TypeMismatch = 13,        // text that is not a number where one is required
};

// Raised by the number rules and the guarded arithmetic. It stops the handler that
// raised it; the forms layer's click dispatch reports it and the program goes on.
class RuntimeError : public std::exception {
 public:
  explicit RuntimeError(ErrorCode code);

  ErrorCode code() const { return code_; }
  int number() const { return static_cast<int>(code_); }
  // The report: the advice, if any, and an empty line, then "运行时错误 'N':", an
  // empty line and the error's text.
  const char* what() const noexcept override { return prompt_.c_str(); }
  // Puts before the report what went wrong in the pupil's words and what to change.
  void advise(const std::string& advice);

 private:
  ErrorCode code_;
  std::string prompt_;
};

// The error's text in the user's language, e.g. "溢出" for an overflow.
std::string errorText(ErrorCode code);

// What the error box says: "运行时错误 'N':", an empty line, then the text.
std::string errorPrompt(ErrorCode code);

}  // namespace vorlinde
