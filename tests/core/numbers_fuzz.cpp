// libFuzzer target for the number rules. Built with clang by .ci/run:
//   clang++ -std=c++20 -fsanitize=fuzzer,address,undefined -Isrc tests/core/numbers_fuzz.cpp \
//     src/core/numbers.cpp src/core/arithmetic.cpp src/core/runtime_error.cpp
// Every input is taken both as a text typed into a box and as the bits of a double.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "core/runtime_error.h"

namespace {

void fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "broken: %s for \"%.*s\"\n", what, int(text.size()), text.data());
  std::abort();
}

// The numeric test passes exactly when strict reading succeeds, and lenient
// reading takes any text.
void checkText(std::string_view text) {
  bool read = true;
  try {
    vorlinde::readDouble(text);
  } catch (const vorlinde::RuntimeError& e) {
    if (e.number() != 13) fail("strict reading raised an error other than 13", text);
    read = false;
  }
  if (read != vorlinde::isNumeric(text)) fail("numeric test and strict reading disagree", text);
  vorlinde::readLenient(text);  // must not throw
}

// Number text reads back as the value rounded to 15 digits, and padded number
// text differs from it only in the sign position and the leading zero.
void checkValue(double value) {
  if (!std::isfinite(value)) return;
  const std::string text = vorlinde::numberText(value);
  char rounded[40];
  std::snprintf(rounded, sizeof rounded, "%.14e", value);
  double expected15 = std::strtod(rounded, nullptr);
  // Rounded to 15 digits, the largest doubles lie beyond the range; they read
  // back as the largest double.
  if (std::isinf(expected15)) expected15 = std::copysign(1.7976931348623157e308, value);
  if (vorlinde::readDouble(text) != expected15) fail("number text does not read back", text);
  std::string expected = text;
  bool negative = expected[0] == '-';
  if (negative) expected.erase(0, 1);
  if (expected.rfind("0.", 0) == 0) expected.erase(0, 1);
  expected.insert(0, negative ? "-" : " ");
  if (vorlinde::paddedText(value) != expected) fail("padded text disagrees", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  checkText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    checkValue(value);
  }
  return 0;
}
