#include "core/advice.h"

#include <cmath>

#include "core/arithmetic.h"
#include "core/messages.h"
#include "core/numbers.h"

namespace vorlinde::advice {

std::string factorization(ErrorCode, const Values&) {
  return "要分解的数必须在 -32768 到 32767 之间，请换一个小一些的数。";
}

std::string factorial(ErrorCode, const Values& values) {
  return fitsInt16(values.at(0))
             ? "171 及以上的阶乘太大，超出了能显示的范围，请输入不大于 170 的自然数。"
             : kWholeNumberRange;
}

std::string divisorAndMultiple(ErrorCode, const Values&) {
  return "两个数都必须在 -32768 到 32767 之间，请换小一些的数。";
}

std::string power(ErrorCode code, const Values&) {
  if (code == ErrorCode::InvalidCall)
    return "负数的非整数次幂不是实数，请把指数改为整数，或把底数改为正数。";
  if (code == ErrorCode::DivisionByZero)
    return "0 的负数次幂相当于用 0 作除数，没有意义，请换一个底数或指数。";
  return "这个幂太大，超出了能显示的范围，请换小一些的底数或指数。";
}

std::string rootAndLogarithm(ErrorCode, const Values& values) {
  return values.at(0) < 0 ? "负数没有实数平方根，也没有对数，请输入正数。"
                          : "0 没有对数，请输入正数。";
}

std::string trigonometry(ErrorCode, const Values& values) {
  // The radians, the product with π first, are the one value an angle can overflow.
  if (std::isinf(values.at(0) * kPi))
    return "角度太大，换算成弧度时超出了范围，请输入小一些的角度。";
  // Only an angle so small that the doubles round its sine to 0 or near it fails later.
  return "这个角太小，它的余切、余割太大，超出了能显示的范围，请换一个角度。";
}

std::string quadratic(ErrorCode, const Values& v) {
  return v.at(0) == 0 && v.at(1) == 0
             ? "a 和 b 都是 0，方程里已没有未知数：c 不为 0 时无解，c 为 0 时任何数都是解。"
             : "系数太大或太小，计算时超出了范围，请换一组系数。";
}

std::string twoUnknowns(ErrorCode, const Values& v) {
  return v.at(0) * v.at(4) == v.at(3) * v.at(1)
             ? "方程组无解或有无穷多解：两个方程中 x、y 的系数成比例。"
             : "系数太大，计算时超出了范围，请换一组系数。";
}

std::string gridCount(ErrorCode, const Values&) {
  return kUnknownCountAdvice;
}

std::string linearSystem(ErrorCode, const Values&) {
  return "系数太大，消元时超出了范围，请换小一些的数。";
}

std::string specialSeries(ErrorCode, const Values&) {
  return "n 太大：n(n+1) 超出了整数的范围，请输入在 1 到 46340 之间的 n。";
}

std::string sequence(ErrorCode, const Values& values) {
  if (!fitsInt16(values.back())) return "项数 n 必须是 1 到 32767 之间的整数。";
  return kResultTooLarge;
}

std::string area(ErrorCode, const Values&) {
  return "数值太大，面积超出了能显示的范围，请换小一些的数。";
}

std::string volume(ErrorCode, const Values&) {
  return "数值太大，体积超出了能显示的范围，请换小一些的数。";
}

}  // namespace vorlinde::advice
