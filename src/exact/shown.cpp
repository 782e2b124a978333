#include <cstdlib>
#include <string>

#include "exact/detail.h"
#include "exact/exact.h"
#include "exact/notation.h"

namespace vorlinde::exact {
namespace {

std::string inWords(std::size_t digits) {
  return "一个 " + std::to_string(digits) + " 位数";
}

// Past 30 digits, groups of five from the right apart by thin spaces.
std::string grouped(const Integer& magnitude) {
  constexpr std::size_t kMostUngrouped = 30, kGroup = 5;
  const std::string digits = magnitude.get_str();
  if (digits.size() <= kMostUngrouped) return digits;
  const std::size_t head = (digits.size() - 1) % kGroup + 1;
  std::string out = digits.substr(0, head);
  for (std::size_t at = head; at < digits.size(); at += kGroup)
    out.append("\u2009").append(digits, at, kGroup);
  return out;
}

// An exact decimal in exponent form written m×10ⁿ where |n| ≥ 20, as the exact
// values are: "1E+100000" is 10¹⁰⁰⁰⁰⁰, "6.7108864E+51981" is 6.7108864×10⁵¹⁹⁸¹.
std::string timesTen(const std::string& text) {
  constexpr long long kLeastExponent = 20;
  const std::size_t e = text.find('E');
  if (e == std::string::npos) return text;
  // long long: Windows' long has 32 bits, and exponents may pass them.
  const long long exponent = std::stoll(text.substr(e + 1));
  if (std::llabs(exponent) < kLeastExponent) return text;
  const std::string m = text.substr(0, e);
  const std::string ten = "10" + notation::sup(std::to_string(exponent));
  if (m == "1" || m == "-1") return m.substr(0, m.size() - 1) + ten;
  return m + "×" + ten;
}

// How the whole numbers inside a value's text are written: m × 10ⁿ, in full, and
// where words are allowed, in words past kMostDigitsWritten digits, where the
// digits would fill the window.
class Writer {
 public:
  Writer(const NumberFormat& format, bool words) : format_(format), words_(words) {}

  // A whole number without its sign.
  std::string whole(const Integer& magnitude) const {
    if (auto p = powerOfTen(Rational(magnitude), format_)) return *p;
    const std::size_t digits = digitCount(magnitude);
    return words_ && digits > kMostDigitsWritten ? inWords(digits) : grouped(magnitude);
  }
  // A coefficient before a root or π: none for 1.
  std::string coefficient(const Integer& magnitude) const {
    return magnitude == 1 ? "" : whole(magnitude);
  }
  // A fraction with its sign in front.
  std::string fraction(const Rational& value) const {
    if (auto p = powerOfTen(value, format_)) return *p;
    const std::string sign = sgn(value) < 0 ? "-" : "";
    const Integer top = abs(value.get_num());
    if (value.get_den() == 1) return sign + whole(top);
    return sign + notation::frac(whole(top), whole(value.get_den()));
  }

 private:
  NumberFormat format_;
  bool words_;
};

// Over the common denominator Q of a and b: (A ± B√d)/Q.
std::string surdText(const Surd& x, const Writer& write) {
  if (x.isRational()) return write.fraction(x.a());
  const auto [a, b, q] = detail::overCommonDenominator(x);
  const std::string root = write.coefficient(abs(b)) + notation::root(write.whole(x.d()));
  const std::string sign = sgn(b) < 0 ? "-" : a == 0 ? "" : "+";
  if (a == 0) return q == 1 ? sign + root : sign + notation::frac(root, write.whole(q));
  std::string top = sgn(a) < 0 ? "-" : "";
  top += write.whole(abs(a));
  top += sign;
  top += root;
  return q == 1 ? top : notation::frac(top, write.whole(q));
}

std::string piText(const PiMultiple& x, const Writer& write) {
  const Rational& k = x.k();
  if (k == 0) return "0";
  const std::string sign = sgn(k) < 0 ? "-" : "";
  const std::string top = write.coefficient(abs(k.get_num())) + "π";
  if (k.get_den() == 1) return sign + top;
  return sign + notation::frac(top, write.whole(k.get_den()));
}

}  // namespace

std::string Surd::text() const {
  return surdText(*this, Writer({}, false));
}

std::string PiMultiple::text() const {
  return piText(*this, Writer({}, false));
}

std::string text(const Integer& value, const NumberFormat& format) {
  if (auto p = powerOfTen(Rational(value), format)) return *p;
  const std::string sign = sgn(value) < 0 ? "-" : "";
  const std::size_t digits = digitCount(value);
  if (digits <= kMostDigitsWritten) return sign + grouped(abs(value));
  // Past kMostDigitsWritten digits every number with a short decimal is m × 10ⁿ:
  // this one's decimal is a rounding.
  const std::string words = inWords(digits);
  return (sign.empty() ? words : "-(" + words + ")") + "，约为 " +
         decimal(Rational(value), format).text;
}

std::string text(const Rational& value, const NumberFormat& format) {
  if (value.get_den() == 1) return text(value.get_num(), format);
  return Writer(format, true).fraction(value);
}

Shown show(const Rational& value, const NumberFormat& format) {
  if (auto p = powerOfTen(value, format)) return {*p, "", false};
  const Integer& top = value.get_num();
  const bool whole = value.get_den() == 1;
  if (whole && digitCount(top) <= kMostDigitsWritten) return {text(top, format), "", false};
  std::string exact = Writer(format, true).fraction(value);
  // A whole number in words keeps its sign outside the words.
  if (whole && sgn(top) < 0) exact = "-(" + exact.substr(1) + ")";
  const Decimal near = decimal(value, format);
  return {exact, near.text, !near.exact};
}

Shown show(const Surd& value, const NumberFormat& format) {
  if (value.isRational()) return show(value.a(), format);
  return {surdText(value, Writer(format, true)), value.decimal(format).text, true};
}

Shown show(const PiMultiple& value, const NumberFormat& format) {
  if (value.k() == 0) return show(Rational(0), format);
  return {piText(value, Writer(format, true)), value.decimal(format).text, true};
}

Shown showDecimal(const Decimal& value) {
  return {"", value.exact ? timesTen(value.text) : value.text, !value.exact};
}

std::string Shown::text() const {
  const std::string relation = approximate ? "≈ " : "= ";
  if (exact.empty()) return decimal.empty() ? "" : relation + decimal;
  if (decimal.empty()) return exact;
  return exact + " " + relation + decimal;
}

std::string Shown::named(std::string_view name) const {
  return std::string(name) + (exact.empty() ? " " : " = ") + text();
}

}  // namespace vorlinde::exact
