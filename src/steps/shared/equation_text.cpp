#include "steps/shared/equation_text.h"

#include "exact/notation.h"

namespace vorlinde::steps::eq {

std::string number(const Rational& value, const NumberFormat& format) {
  const exact::Integer& top = value.get_num();
  const std::size_t digits = exact::digitCount(top);
  // Inside a line a long whole number is named by its size alone, as the parts of
  // a long fraction are; its approximate value belongs to the answer.
  if (value.get_den() != 1 || digits <= exact::kMostDigitsWritten ||
      exact::powerOfTen(value, format))
    return exact::text(value, format);
  const std::string words = "一个 " + std::to_string(digits) + " 位数";
  return sgn(top) < 0 ? "-(" + words + ")" : words;
}

std::string factor(const Rational& value, const NumberFormat& format, bool beforePower) {
  const std::string text = number(value, format);
  const bool wrap =
      sgn(value) < 0 || (beforePower && (value.get_den() != 1 || exact::powerOfTen(value, format)));
  return wrap ? "(" + text + ")" : text;
}

namespace {

// Long enough for "-123/4567" and "(3+√5)/2", short enough to label a point.
constexpr std::size_t kLongestLabel = 16;

// The terms joined by their signs, each size written by write().
template <typename Write>
std::string joined(const std::vector<Term>& terms, Write write) {
  std::string out;
  for (const Term& t : terms) {
    if (t.coefficient == 0) continue;
    const bool negative = sgn(t.coefficient) < 0;
    if (out.empty())
      out += negative ? "-" : "";
    else
      out += negative ? " - " : " + ";
    const Rational size = abs(t.coefficient);
    if (size != 1 || t.unknown.empty()) out += write(size);
    out += t.unknown;
  }
  return out.empty() ? "0" : out;
}

}  // namespace

std::string sum(const std::vector<Term>& terms, const NumberFormat& format) {
  return joined(terms, [&](const Rational& v) { return number(v, format); });
}

std::string sumBrief(const std::vector<Term>& terms, const NumberFormat& format,
                     bool& approximate) {
  bool tooLong = false;
  for (const Term& t : terms)
    tooLong = tooLong || notation::plain(number(t.coefficient, format)).size() > kLongestLabel;
  if (!tooLong) return sum(terms, format);
  return joined(terms, [&](const Rational& v) {
    const exact::Decimal d = exact::decimal(v, format);
    approximate = approximate || !d.exact;
    return d.text;
  });
}

std::string timesValue(const Rational& coefficient, const std::string& value,
                       const NumberFormat& format) {
  // The caller passes value already in parentheses where it is negative.
  if (coefficient == 1) return value;
  if (coefficient == -1) return "-" + value;
  return number(coefficient, format) + "×" + value;
}

std::string unknown(int i) {
  return notation::var("x") + notation::sub(std::to_string(i));
}

std::string rowName(int i) {
  return "R" + notation::sub(std::to_string(i));
}

std::string circled(int k) {
  if (k < 1 || k > 20) return "(" + std::to_string(k) + ")";
  // ① is U+2460; the twenty circled numbers follow it in order.
  const char32_t c = 0x2460 + (k - 1);
  std::string out;
  out += char(0xE0 | (c >> 12));
  out += char(0x80 | ((c >> 6) & 0x3F));
  out += char(0x80 | (c & 0x3F));
  return out;
}

std::string brief(const Rational& value, const NumberFormat& format) {
  const std::string exactText = number(value, format);
  if (notation::plain(exactText).size() <= kLongestLabel) return exactText;
  const exact::Decimal d = exact::decimal(value, format);
  return (d.exact ? "" : "≈") + d.text;
}

std::string briefNamed(const std::string& name, const Rational& value, const NumberFormat& format) {
  const std::string text = brief(value, format);
  return text.starts_with("≈") ? name + " " + text : name + " = " + text;
}

}  // namespace vorlinde::steps::eq
