#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/arithmetic.h"
#include "core/numbers.h"

namespace vorlinde {

// n! as a double, multiplied up from 1; 1 for n below 1. From 171 on the product
// leaves the double range and raises error 6.
Real factorial(std::int16_t n);

// The factorial label's caption for a numeric text, read as a 16-bit whole number
// (a half to the even neighbour): "5" gives "阶乘结果是：120"; a negative number has
// no factorial and gives "输入有误！".
std::string factorialCaption(std::string_view text, const NumberFormat& format = {});

struct DivisorAndMultiple {
  std::int32_t divisor;   // never negative; 0 only when both numbers are 0
  std::int32_t multiple;  // |a × b| / divisor, 0 when either number is 0
};

// Greatest common divisor and least common multiple of two 16-bit whole numbers.
// Works on their magnitudes in 32 bits, so -32768 and -1 give 1 and 32768 fits.
DivisorAndMultiple divisorAndMultiple(std::int16_t a, std::int16_t b);

// The divisor and multiple label's caption for two numeric texts, each read as a
// 16-bit whole number: "12", "18" give "结果分别为： 6  36".
std::string divisorAndMultipleCaption(std::string_view first, std::string_view second,
                                      const NumberFormat& format = {});

}  // namespace vorlinde
