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

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isExponentLetter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// A decimal exponent read up to the cap, which stands for any larger one.
long exponentValue(std::string_view text, long cap) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  long value = 0;
  for (; i < text.size() && isDigit(text[i]); ++i)
    value = std::min(value * 10 + (text[i] - '0'), cap);
  return negative ? -value : value;
}

// The exact value of a well-formed [sign] digits [. digits] [E|D [sign] digits],
// or nothing when it would run past kMostDigitsRead digits.
std::optional<Rational> exactValue(std::string_view text) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::string digits;
  long shift = 0;  // the value is digits × 10^shift
  for (; i < text.size() && isDigit(text[i]); ++i)
    digits += text[i];
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && isDigit(text[i]); ++i, --shift)
      digits += text[i];
  // A capped exponent still lies kMostDigitsRead past anything the digits can undo.
  const long cap = static_cast<long>(text.size()) + 2 * kMostDigitsRead;
  if (i < text.size() && isExponentLetter(text[i])) shift += exponentValue(text.substr(i + 1), cap);

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
  return negative ? Rational(-value) : value;
}

// What an input method types for digits, signs, points and blanks, as lenient
// reading takes it; the ideographic full stop is its decimal point.
struct Folding {
  std::string_view from;
  char to;
};
constexpr Folding kFoldings[] = {
    {"\uFF10", '0'}, {"\uFF11", '1'}, {"\uFF12", '2'}, {"\uFF13", '3'}, {"\uFF14", '4'},
    {"\uFF15", '5'}, {"\uFF16", '6'}, {"\uFF17", '7'}, {"\uFF18", '8'}, {"\uFF19", '9'},
    {"\uFF0B", '+'}, {"\uFF0D", '-'}, {"\u2212", '-'}, {"\uFF0E", '.'}, {"\uFF0C", ','},
    {"\uFF25", 'E'}, {"\uFF45", 'e'}, {"\u3000", ' '}, {"\u3002", '.'},
};

// The text folded to ASCII with its blanks, tabs and line feeds taken out.
std::string squeezed(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view rest = text.substr(i);
    const auto found = std::find_if(std::begin(kFoldings), std::end(kFoldings),
                                    [&](const Folding& f) { return rest.starts_with(f.from); });
    char c = text[i];
    if (static_cast<unsigned char>(c) >= 0x80 && found != std::end(kFoldings)) {
      c = found->to;
      i += found->from.size();
    } else {
      ++i;
    }
    if (c != ' ' && c != '\t' && c != '\n') out += c;
  }
  return out;
}

// The whole number of the hexadecimal or octal digits at the start of the text.
Integer radixValue(std::string_view text, int base) {
  const auto valid = [base](char c) {
    const int digit = isDigit(c)             ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : base;
    return digit < base;
  };
  const std::size_t end = std::find_if_not(text.begin(), text.end(), valid) - text.begin();
  if (end == 0) return 0;
  return Integer(std::string(text.substr(0, end)), base);
}

// The longest prefix [sign] digits [. digits] [E|D [sign] digits]; empty when it
// holds no digit. An exponent letter counts only with a digit after it.
std::string lenientPrefix(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < s.size() && isDigit(s[i]); ++i)
    ++digits;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && isDigit(s[i]); ++i)
      ++digits;
  if (digits == 0) return {};
  std::size_t end = i;
  if (i < s.size() && isExponentLetter(s[i])) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t first = j;
    while (j < s.size() && isDigit(s[j]))
      ++j;
    if (j > first) end = j;
  }
  return std::string(s.substr(0, end));
}

}  // namespace

std::optional<Rational> readStrict(std::string_view text, const NumberFormat& format) {
  const std::optional<std::string> plain = plainNumber(text, format);
  if (!plain) return std::nullopt;
  if (std::optional<Rational> value = exactValue(*plain)) return value;
  return fromDouble(readDouble(text, format));
}

std::optional<Rational> readLenient(std::string_view text) {
  const double read = vorlinde::readLenient(text);
  if (!std::isfinite(read)) return std::nullopt;
  const std::string s = squeezed(text);
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return Rational(radixValue(std::string_view(s).substr(2), 16));
    if (s[1] == 'O' || s[1] == 'o') return Rational(radixValue(std::string_view(s).substr(2), 8));
  }
  const std::string prefix = lenientPrefix(s);
  if (prefix.empty()) return Rational(0);
  if (std::optional<Rational> value = exactValue(prefix)) return value;
  return fromDouble(read);
}

Rational fromDouble(double value) {
  if (!std::isfinite(value)) throw std::domain_error("an infinity or NaN is no fraction");
  return Rational(value);
}

}  // namespace vorlinde::exact
