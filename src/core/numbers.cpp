#include "core/numbers.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
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

// The characters an input method types for digits, signs, points and blanks,
// with the ASCII each stands for; the ideographic full stop is a decimal point.
struct Folding {
  std::string_view from;
  std::string_view to;
};
constexpr Folding kFoldings[] = {
    {"\uFF10", "0"}, {"\uFF11", "1"}, {"\uFF12", "2"}, {"\uFF13", "3"}, {"\uFF14", "4"},
    {"\uFF15", "5"}, {"\uFF16", "6"}, {"\uFF17", "7"}, {"\uFF18", "8"}, {"\uFF19", "9"},
    {"\uFF0B", "+"}, {"\uFF0D", "-"}, {"\u2212", "-"}, {"\uFF0E", "."}, {"\uFF0C", ","},
    {"\uFF25", "E"}, {"\uFF45", "e"}, {"\u3000", " "},
};
constexpr std::string_view kIdeographicStop = "\u3002";

// The text with full-width forms made ASCII and "。" made the given decimal point.
std::string fold(std::string_view text, std::string_view decimal) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      out += text[i++];
      continue;
    }
    const std::string_view rest = text.substr(i);
    auto found = std::find_if(std::begin(kFoldings), std::end(kFoldings),
                              [&](const Folding& f) { return rest.starts_with(f.from); });
    if (found != std::end(kFoldings)) {
      out += found->to;
      i += found->from.size();
    } else if (rest.starts_with(kIdeographicStop)) {
      out += decimal;
      i += kIdeographicStop.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

// Reads the digits at body[i...] into out; returns how many there were.
int takeDigits(std::string_view body, std::size_t& i, std::string& out) {
  int count = 0;
  for (; i < body.size() && isDigit(body[i]); ++i, ++count)
    out += body[i];
  return count;
}

// The whole part: digits, or one to three digits followed by groups of exactly
// three, each after a grouping separator. False for grouping of any other shape.
bool takeWholePart(std::string_view body, std::size_t& i, std::string_view group, std::string& out,
                   int& digits) {
  digits = takeDigits(body, i, out);
  if (group.empty() || !body.substr(i).starts_with(group)) return true;
  if (digits < 1 || digits > 3) return false;
  while (body.substr(i).starts_with(group)) {
    i += group.size();
    std::string three;
    if (takeDigits(body, i, three) != 3) return false;
    out += three;
    digits += 3;
  }
  return true;
}

// Checks the strict grammar on a folded text and, when it holds, returns the
// text in the form parseWellFormed() takes: no grouping, a full stop, an E.
bool normalizeStrict(std::string_view text, const NumberFormat& format, std::string& out) {
  std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return false;
  std::size_t end = text.find_last_not_of(' ') + 1;
  std::string_view body = text.substr(begin, end - begin);

  out.clear();
  std::size_t i = 0;
  if (body[i] == '+' || body[i] == '-') {
    if (body[i] == '-') out += '-';
    ++i;
  }
  int digits = 0;
  if (!takeWholePart(body, i, format.group, out, digits)) return false;
  const std::string_view decimal =
      format.decimal.empty() ? std::string_view(".") : std::string_view(format.decimal);
  if (body.substr(i).starts_with(decimal)) {
    i += decimal.size();
    out += '.';
    digits += takeDigits(body, i, out);
  }
  if (digits == 0) return false;
  if (i < body.size() && isExponentLetter(body[i])) {
    out += 'E';
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
      if (body[i] == '-') out += '-';
      ++i;
    }
    if (takeDigits(body, i, out) == 0) return false;
  }
  return i == body.size();
}

// The strict reading's value, or nothing when the text is not a number.
std::optional<double> strictValue(std::string_view text, const NumberFormat& format,
                                  std::string& normal) {
  if (!normalizeStrict(fold(text, format.decimal), format, normal)) return std::nullopt;
  const double value = clampShownMaximum(normal, parseWellFormed(normal));
  if (!std::isfinite(value)) return std::nullopt;
  return value;
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

bool isNumeric(std::string_view text, const NumberFormat& format) {
  std::string normal;
  return strictValue(text, format, normal).has_value();
}

std::optional<std::string> plainNumber(std::string_view text, const NumberFormat& format) {
  std::string normal;
  if (!strictValue(text, format, normal)) return std::nullopt;
  return normal;
}

double readLenient(std::string_view text) {
  std::string s;
  for (char c : fold(text, "."))
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

double readDouble(std::string_view text, const NumberFormat& format) {
  std::string normal;
  const std::optional<double> value = strictValue(text, format, normal);
  if (!value) throw RuntimeError(ErrorCode::TypeMismatch);
  return *value;
}

std::int16_t readInt16(std::string_view text, const NumberFormat& format) {
  return roundToInt16(readDouble(text, format));
}
std::int32_t readInt32(std::string_view text, const NumberFormat& format) {
  return roundToInt32(readDouble(text, format));
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

std::string numberText(double value, const NumberFormat& format) {
  if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : "";
  Decimal d = toDecimal(value);
  std::string text = formatUnsigned(d);
  if (const std::size_t stop = text.find('.'); stop != std::string::npos)
    text.replace(stop, 1, format.decimal);
  if (d.negative) text.insert(0, 1, '-');
  return text;
}

std::string numberText(std::int32_t value) {
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
