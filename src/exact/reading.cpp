#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "core/numbers.h"
#include "exact/detail.h"
#include "exact/exact.h"

namespace vorlinde::exact {
namespace {

// The most digits a typed number may bring to its numerator or denominator before
// it is taken as the double instead.
constexpr long kMostDigitsRead = 4000;

// A decimal exponent ([-]digits) read up to the cap, which stands for any larger one.
long exponentValue(std::string_view text, long cap) {
  const bool negative = text.starts_with('-');
  long value = 0;
  for (char c : text.substr(negative ? 1 : 0))
    value = std::min(value * 10 + (c - '0'), cap);
  return negative ? -value : value;
}

// The exact value of a number's parts, or nothing when it would run past
// kMostDigitsRead digits.
std::optional<Rational> exactValue(const TypedNumber& n) {
  if (n.base != 10) return Rational(n.whole.empty() ? Integer(0) : Integer(n.whole, n.base));
  std::string digits = n.whole + n.fraction;
  long shift = -static_cast<long>(n.fraction.size());  // the value is digits × 10^shift
  // A capped exponent still lies kMostDigitsRead past anything the digits can undo.
  const long cap = static_cast<long>(digits.size()) + 2 * kMostDigitsRead;
  shift += exponentValue(n.exponent, cap);

  digits.erase(0, digits.find_first_not_of('0'));
  if (digits.empty()) return Rational(0);
  const std::size_t last = digits.find_last_not_of('0');
  shift += static_cast<long>(digits.size() - 1 - last);
  digits.resize(last + 1);
  const long size = static_cast<long>(digits.size());
  if (size + std::max(shift, 0L) > kMostDigitsRead || -shift > kMostDigitsRead) return std::nullopt;

  Rational value{Integer(digits)};
  if (shift >= 0)
    value *= detail::tenTo(shift);
  else
    value /= detail::tenTo(-shift);
  return n.negative ? Rational(-value) : value;
}

}  // namespace

std::optional<Rational> readStrict(std::string_view text, const NumberFormat& format) {
  const std::optional<TypedNumber> parts = strictParts(text, format);
  if (!parts) return std::nullopt;
  if (std::optional<Rational> value = exactValue(*parts)) return value;
  return fromDouble(readDouble(text, format));
}

std::optional<Rational> readLenient(std::string_view text) {
  const TypedNumber parts = lenientParts(text);
  const double read = lenientValue(parts);
  if (!std::isfinite(read)) return std::nullopt;
  if (std::optional<Rational> value = exactValue(parts)) return value;
  return fromDouble(read);
}

Rational fromDouble(double value) {
  if (!std::isfinite(value)) throw std::domain_error("an infinity or NaN is no fraction");
  return Rational(value);
}

}  // namespace vorlinde::exact
