#include "core/numbers.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/c_locale.h"
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
  return cStrtod(text);
}

// The largest value number text shows, 1.79769313486232E+308, lies a little above
// the largest double; it still reads back as that double rather than overflowing,
// so every number the program shows can be typed in again.
double clampShownMaximum(const std::string& text, double value) {
  if (!std::isinf(value)) return value;
  long double wide = cStrtold(text);
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

// Reads an optional sign at body[i]; true for a minus.
bool takeSign(std::string_view body, std::size_t& i) {
  if (i >= body.size() || (body[i] != '+' && body[i] != '-')) return false;
  return body[i++] == '-';
}

// The whole part: digits, or one to three digits followed by groups of exactly
// three, each after a grouping separator. False for grouping of any other shape.
bool takeWholePart(std::string_view body, std::size_t& i, std::string_view group,
                   std::string& out) {
  const int digits = takeDigits(body, i, out);
  if (group.empty() || !body.substr(i).starts_with(group)) return true;
  if (digits < 1 || digits > 3) return false;
  while (body.substr(i).starts_with(group)) {
    i += group.size();
    if (takeDigits(body, i, out) != 3) return false;
  }
  return true;
}

// Checks the strict grammar on a folded text and, when it holds, takes it apart.
bool scanStrict(std::string_view text, const NumberFormat& format, TypedNumber& out) {
  std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return false;
  std::size_t end = text.find_last_not_of(' ') + 1;
  std::string_view body = text.substr(begin, end - begin);

  out = {};
  std::size_t i = 0;
  out.negative = takeSign(body, i);
  if (!takeWholePart(body, i, format.group, out.whole)) return false;
  const std::string_view decimal =
      format.decimal.empty() ? std::string_view(".") : std::string_view(format.decimal);
  if (body.substr(i).starts_with(decimal)) {
    i += decimal.size();
    takeDigits(body, i, out.fraction);
  }
  if (out.whole.empty() && out.fraction.empty()) return false;
  if (i < body.size() && isExponentLetter(body[i])) {
    ++i;
    if (takeSign(body, i)) out.exponent = "-";
    if (takeDigits(body, i, out.exponent) == 0) return false;
  }
  return i == body.size();
}

// The parts written as parseWellFormed() takes them.
std::string wellFormed(const TypedNumber& n) {
  std::string text = n.negative ? "-" : "";
  text.append(n.whole).append(".").append(n.fraction);
  if (!n.exponent.empty()) text.append("E").append(n.exponent);
  return text;
}

// The strict reading's value, or nothing when the text is not a number.
std::optional<double> strictValue(std::string_view text, const NumberFormat& format,
                                  TypedNumber& parts) {
  if (!scanStrict(fold(text, format.decimal), format, parts)) return std::nullopt;
  const std::string normal = wellFormed(parts);
  const double value = clampShownMaximum(normal, parseWellFormed(normal));
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// The value of a digit in the given base, or the base itself for a character
// that is no digit there.
int digitValue(char c, int base) {
  int digit = base;
  if (isDigit(c))
    digit = c - '0';
  else if (c >= 'A' && c <= 'F')
    digit = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f')
    digit = c - 'a' + 10;
  return digit < base ? digit : base;
}

// The base &H or &O at the start of a text announces; 10 for neither.
int announcedBase(std::string_view s) {
  if (s.size() < 2 || s[0] != '&') return 10;
  if (s[1] == 'H' || s[1] == 'h') return 16;
  if (s[1] == 'O' || s[1] == 'o') return 8;
  return 10;
}

// The longest prefix [sign] digits [. digits] [E|D [sign] digits] of a folded
// text without blanks; no digit at all gives no parts. An exponent letter counts
// only with a digit after it.
TypedNumber lenientPrefix(std::string_view s) {
  TypedNumber n;
  std::size_t i = 0;
  n.negative = takeSign(s, i);
  takeDigits(s, i, n.whole);
  if (i < s.size() && s[i] == '.') takeDigits(s, ++i, n.fraction);
  if (n.whole.empty() && n.fraction.empty()) return {};
  if (i < s.size() && isExponentLetter(s[i])) {
    std::size_t j = i + 1;
    std::string exponent = takeSign(s, j) ? "-" : "";
    if (takeDigits(s, j, exponent) > 0) n.exponent = exponent;
  }
  return n;
}

// The value rounded to a whole number, or nothing outside the kind's range.
template <typename Int>
std::optional<Int> roundedInteger(double value) {
  // nearbyint rounds in the current mode, which is to nearest, halves to even.
  double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
    return std::nullopt;
  return static_cast<Int>(rounded);
}

template <typename Int>
Int roundToInteger(double value) {
  const std::optional<Int> rounded = roundedInteger<Int>(value);
  if (!rounded) throw RuntimeError(ErrorCode::Overflow);
  return *rounded;
}

// Rounds a finite, non-zero value to 15 significant digits.
SignificantDigits toDigits(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  SignificantDigits d;
  d.digits.clear();
  const char* p = buffer;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; *p != 'e'; ++p)
    if (isDigit(*p)) d.digits += *p;
  d.exponent = std::atol(p + 1);
  return d;
}

// Plain notation covers these decimal exponents of the first digit; beyond them
// the exponent is written: 1E-05, 1.5E+15.
constexpr long kLeastPlainExponent = -4;
constexpr long kMostPlainExponent = 14;

// "E+15", "E-05", "E+9863": a sign and at least two digits.
std::string exponentText(std::int64_t exponent) {
  const std::uint64_t magnitude = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                               : static_cast<std::uint64_t>(exponent);
  std::string digits = std::to_string(magnitude);
  if (digits.size() < 2) digits.insert(0, 1, '0');
  return std::string("E") + (exponent < 0 ? '-' : '+') + digits;
}

}  // namespace

bool isNumeric(std::string_view text, const NumberFormat& format) {
  TypedNumber parts;
  return strictValue(text, format, parts).has_value();
}

std::optional<TypedNumber> strictParts(std::string_view text, const NumberFormat& format) {
  TypedNumber parts;
  if (!strictValue(text, format, parts)) return std::nullopt;
  return parts;
}

TypedNumber lenientParts(std::string_view text) {
  std::string s;
  for (char c : fold(text, "."))
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  const int base = announcedBase(s);
  if (base == 10) return lenientPrefix(s);
  TypedNumber n;
  n.base = base;
  for (std::size_t i = 2; i < s.size() && digitValue(s[i], base) < base; ++i)
    n.whole += s[i];
  return n;
}

double lenientValue(const TypedNumber& parts) {
  if (parts.base != 10) {
    double value = 0;
    for (char c : parts.whole)
      value = value * parts.base + digitValue(c, parts.base);
    return value;
  }
  if (parts.whole.empty() && parts.fraction.empty()) return 0;
  return parseWellFormed(wellFormed(parts));
}

double readLenient(std::string_view text) {
  return lenientValue(lenientParts(text));
}

double readDouble(std::string_view text, const NumberFormat& format) {
  TypedNumber parts;
  const std::optional<double> value = strictValue(text, format, parts);
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
bool fitsInt16(double value) {
  return roundedInteger<std::int16_t>(value).has_value();
}

double wholePart(double value) {
  return std::floor(value);
}

std::string numberText(double value, const NumberFormat& format) {
  if (!std::isfinite(value)) return "";
  return value == 0 ? "0" : numberText(toDigits(value), format);
}

std::string numberText(std::int32_t value) {
  return std::to_string(value);
}

std::string numberText(const SignificantDigits& value, const NumberFormat& format) {
  std::string_view s = value.digits;
  s = s.substr(0, s.find_last_not_of('0') + 1);
  if (s.empty()) return "0";
  const std::int64_t e = value.exponent;
  const std::int64_t count = static_cast<std::int64_t>(s.size());
  std::string text = value.negative ? "-" : "";
  if (e < kLeastPlainExponent || e > kMostPlainExponent) {
    text += s.front();
    if (count > 1) text.append(format.decimal).append(s.substr(1));
    return text + exponentText(e);
  }
  if (e < 0) return text.append("0").append(format.decimal).append(-e - 1, '0').append(s);
  if (count <= e + 1) return text.append(s).append(e + 1 - count, '0');
  return text.append(s.substr(0, e + 1)).append(format.decimal).append(s.substr(e + 1));
}

std::string paddedText(double value) {
  std::string text = numberText(value);
  if (text.empty()) return text;
  const bool negative = text.front() == '-';
  if (negative) text.erase(0, 1);
  if (text.starts_with("0.")) text.erase(0, 1);
  return (negative ? "-" : " ") + text;
}

}  // namespace vorlinde
