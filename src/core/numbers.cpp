#include "core/numbers.h"

#include <locale.h>
#include <stdlib.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/runtime_error.h"

namespace vorlinde {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isExponentLetter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// Converts a text already known to be well formed ([sign] digits [. digits]
// [E [sign] digits]) in the C locale, whatever locale the application runs in.
double parseWellFormed(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return strtod_l(text.c_str(), nullptr, cLocale);
}

// The largest value number text shows, 1.79769313486232E+308, lies a little above
// the largest double; it still reads back as that double rather than overflowing,
// so every number the program shows can be typed in again.
double clampShownMaximum(const std::string& text, double value) {
  if (!std::isinf(value)) return value;
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  long double wide = strtold_l(text.c_str(), nullptr, cLocale);
  if (std::fabs(wide) > 1.79769313486232e308L) return value;
  return std::copysign(std::numeric_limits<double>::max(), value);
}

// Checks the strict grammar and, when it holds, returns the text in the form
// parseWellFormed() takes: commas dropped, the exponent letter made an E.
bool normalizeStrict(std::string_view text, std::string& out) {
  std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return false;
  std::size_t end = text.find_last_not_of(' ') + 1;
  std::string_view body = text.substr(begin, end - begin);

  out.clear();
  std::size_t i = 0;
  if (body[i] == '+' || body[i] == '-') out += body[i++];
  int digits = 0;
  while (i < body.size() && (isDigit(body[i]) || body[i] == ',')) {
    if (body[i] == ',') {
      // A grouping separator stands only between two digits of the whole part.
      if (i == 0 || !isDigit(body[i - 1]) || i + 1 >= body.size() || !isDigit(body[i + 1]))
        return false;
    } else {
      out += body[i];
      ++digits;
    }
    ++i;
  }
  if (i < body.size() && body[i] == '.') {
    out += body[i++];
    while (i < body.size() && isDigit(body[i])) {
      out += body[i++];
      ++digits;
    }
  }
  if (digits == 0) return false;
  if (i < body.size() && isExponentLetter(body[i])) {
    out += 'E';
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) out += body[i++];
    int exponentDigits = 0;
    while (i < body.size() && isDigit(body[i])) {
      out += body[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  return i == body.size();
}

// Reads a whole number in the given base from the digits at the start of text.
double readRadix(std::string_view text, int base) {
  double value = 0;
  for (char c : text) {
    int digit;
    if (isDigit(c))
      digit = c - '0';
    else if (c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else
      break;
    if (digit >= base) break;
    value = value * base + digit;
  }
  return value;
}

template <typename Int>
Int roundToInteger(double value) {
  // nearbyint rounds in the current mode, which is to nearest, halves to even.
  double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
    throw RuntimeError(ErrorCode::Overflow);
  return static_cast<Int>(rounded);
}

struct Decimal {
  bool negative = false;
  std::string digits;  // 1 to 15 significant digits, no trailing zeros
  int exponent = 0;    // decimal exponent of the first digit
};

// Rounds a finite, non-zero value to 15 significant digits.
Decimal toDecimal(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  Decimal d;
  const char* p = buffer;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; *p != 'e'; ++p)
    if (isDigit(*p)) d.digits += *p;
  d.exponent = std::atoi(p + 1);
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  return d;
}

// The digits without sign: plain when the exponent is -4 to 14, else 1.5E+15.
std::string formatUnsigned(const Decimal& d) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent < -4 || d.exponent > 14) {
    std::string text = d.digits;
    if (count > 1) text.insert(1, 1, '.');
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+',
                  std::abs(d.exponent));
    return text + exponent;
  }
  if (d.exponent < 0) return "0." + std::string(-d.exponent - 1, '0') + d.digits;
  if (count <= d.exponent + 1) return d.digits + std::string(d.exponent + 1 - count, '0');
  return d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
}

}  // namespace

bool isNumeric(std::string_view text) {
  std::string normal;
  return normalizeStrict(text, normal) &&
         std::isfinite(clampShownMaximum(normal, parseWellFormed(normal)));
}

double readLenient(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') s += c;

  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return readRadix(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return readRadix(std::string_view(s).substr(2), 8);
  }

  std::string prefix;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) prefix += s[i++];
  int digits = 0;
  while (i < s.size() && isDigit(s[i])) {
    prefix += s[i++];
    ++digits;
  }
  if (i < s.size() && s[i] == '.') {
    prefix += s[i++];
    while (i < s.size() && isDigit(s[i])) {
      prefix += s[i++];
      ++digits;
    }
  }
  if (digits == 0) return 0;
  // The exponent counts only when at least one digit follows it.
  if (i < s.size() && isExponentLetter(s[i])) {
    std::size_t j = i + 1;
    std::string exponent = "E";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    std::size_t firstDigit = j;
    while (j < s.size() && isDigit(s[j]))
      exponent += s[j++];
    if (j > firstDigit) prefix += exponent;
  }
  return parseWellFormed(prefix);
}

double readDouble(std::string_view text) {
  std::string normal;
  if (!normalizeStrict(text, normal)) throw RuntimeError(ErrorCode::TypeMismatch);
  double value = clampShownMaximum(normal, parseWellFormed(normal));
  if (!std::isfinite(value)) throw RuntimeError(ErrorCode::TypeMismatch);
  return value;
}

std::int16_t readInt16(std::string_view text) {
  return roundToInt16(readDouble(text));
}
std::int32_t readInt32(std::string_view text) {
  return roundToInt32(readDouble(text));
}

std::int16_t roundToInt16(double value) {
  return roundToInteger<std::int16_t>(value);
}
std::int32_t roundToInt32(double value) {
  return roundToInteger<std::int32_t>(value);
}

double wholePart(double value) {
  return std::floor(value);
}

std::string numberText(double value) {
  if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : "";
  Decimal d = toDecimal(value);
  std::string text = formatUnsigned(d);
  if (d.negative) text.insert(0, 1, '-');
  return text;
}

std::string numberText(std::int32_t value) {
  return std::to_string(value);
}
std::string numberText(std::int16_t value) {
  return std::to_string(value);
}

std::string paddedText(double value) {
  if (value == 0 || !std::isfinite(value)) return value == 0 ? " 0" : "";
  Decimal d = toDecimal(value);
  std::string text = formatUnsigned(d);
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  return (d.negative ? "-" : " ") + text;
}

}  // namespace vorlinde
