#include <string>

#include "exact/detail.h"
#include "exact/exact.h"
#include "exact/notation.h"

namespace vorlinde::exact {
namespace {

// A whole number inside a longer text, without its sign.
using Writer = std::string (*)(const Integer& magnitude);

std::string inWords(std::size_t digits) {
  return "一个 " + std::to_string(digits) + " 位数";
}

// A coefficient before a root or π: none for 1.
std::string coefficient(const Integer& magnitude, Writer write) {
  return magnitude == 1 ? "" : write(magnitude);
}

std::string inFull(const Integer& magnitude) {
  return magnitude.get_str();
}

// In words past kMostDigitsWritten digits, where the digits would fill the window.
std::string inFullOrWords(const Integer& magnitude) {
  const std::size_t digits = digitCount(magnitude);
  return digits > kMostDigitsWritten ? inWords(digits) : inFull(magnitude);
}

std::string fractionText(const Rational& value, Writer write) {
  const std::string sign = sgn(value) < 0 ? "-" : "";
  const Integer top = abs(value.get_num());
  if (value.get_den() == 1) return sign + write(top);
  return sign + notation::frac(write(top), write(value.get_den()));
}

// Over the common denominator Q of a and b: (A ± B√d)/Q.
std::string surdText(const Surd& x, Writer write) {
  if (x.isRational()) return fractionText(x.a(), write);
  const auto [a, b, q] = detail::overCommonDenominator(x);
  const std::string root = coefficient(abs(b), write) + notation::root(write(x.d()));
  const std::string sign = sgn(b) < 0 ? "-" : a == 0 ? "" : "+";
  if (a == 0) return q == 1 ? sign + root : sign + notation::frac(root, write(q));
  std::string top = sgn(a) < 0 ? "-" : "";
  top += write(abs(a));
  top += sign;
  top += root;
  return q == 1 ? top : notation::frac(top, write(q));
}

std::string piText(const PiMultiple& x, Writer write) {
  const Rational& k = x.k();
  if (k == 0) return "0";
  const std::string sign = sgn(k) < 0 ? "-" : "";
  const std::string top = coefficient(abs(k.get_num()), write) + "π";
  if (k.get_den() == 1) return sign + top;
  return sign + notation::frac(top, write(k.get_den()));
}

}  // namespace

std::string Surd::text() const {
  return surdText(*this, inFull);
}

std::string PiMultiple::text() const {
  return piText(*this, inFull);
}

std::string text(const Integer& value, const NumberFormat& format) {
  const std::size_t digits = digitCount(value);
  if (digits <= kMostDigitsWritten) return value.get_str();
  const std::string words = inFullOrWords(abs(value));
  const Decimal near = decimal(Rational(value), format);
  return (sgn(value) < 0 ? "-(" + words + ")" : words) + (near.exact ? "，即 " : "，约为 ") +
         near.text;
}

std::string text(const Rational& value, const NumberFormat& format) {
  if (value.get_den() == 1) return text(value.get_num(), format);
  return fractionText(value, inFullOrWords);
}

Shown show(const Rational& value, const NumberFormat& format) {
  const Integer& top = value.get_num();
  const bool whole = value.get_den() == 1;
  if (whole && digitCount(top) <= kMostDigitsWritten) return {top.get_str(), "", false};
  std::string exact = fractionText(value, inFullOrWords);
  // A whole number in words keeps its sign outside the words.
  if (whole && sgn(top) < 0) exact = "-(" + exact.substr(1) + ")";
  const Decimal near = decimal(value, format);
  return {exact, near.text, !near.exact};
}

Shown show(const Surd& value, const NumberFormat& format) {
  if (value.isRational()) return show(value.a(), format);
  return {surdText(value, inFullOrWords), value.decimal(format).text, true};
}

Shown show(const PiMultiple& value, const NumberFormat& format) {
  if (value.k() == 0) return show(Rational(0), format);
  return {piText(value, inFullOrWords), value.decimal(format).text, true};
}

Shown showDecimal(const Decimal& value) {
  return {"", value.text, !value.exact};
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
