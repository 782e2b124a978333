#include "steps/shared/values.h"

#include "exact/notation.h"
#include "steps/shared/common.h"

namespace vorlinde::steps {

exact::Integer roundHalfEven(const exact::Rational& x) {
  const exact::Rational shifted = x + exact::Rational(1, 2);
  exact::Integer down;
  mpz_fdiv_q(down.get_mpz_t(), shifted.get_num_mpz_t(), shifted.get_den_mpz_t());
  // A half exactly: floor(x + 1/2) is the upper neighbour, the even one may be below.
  if (shifted.get_den() == 1 && mpz_odd_p(down.get_mpz_t())) down -= 1;
  return down;
}

namespace {

WholeBox wholeOf(std::optional<exact::Rational> typed) {
  WholeBox read{std::move(typed), std::nullopt};
  if (read.typed) read.whole = roundHalfEven(*read.typed);
  return read;
}

}  // namespace

WholeBox readWhole(const Calculation& c, std::size_t box) {
  return wholeOf(typed(c, box));
}

WholeBox readWholeLeniently(const Calculation& c, std::size_t box) {
  return wholeOf(typedLeniently(c, box));
}

std::string typedText(const Calculation& c, std::size_t box) {
  const std::string* text = c.text(box);
  if (!text) return {};
  std::string t = *text;
  t.erase(0, t.find_first_not_of(' '));
  t.erase(t.find_last_not_of(' ') + 1);
  return notation::literal(t);
}

std::string wholeGiven(const Calculation& c, std::string_view name, std::size_t box,
                       const WholeBox& read) {
  if (!read.typed) return std::string(name) + " 不是数";
  if (!read.rounded()) return given(c, name, box);
  return std::string(name) + " = " + typedText(c, box) + " 取整为 " + number(*read.whole);
}

bool within(const exact::Integer& n, long low, long high) {
  return n >= low && n <= high;
}

bool fitsInt16(const exact::Integer& n) {
  return within(n, kInt16Min, kInt16Max);
}

std::string int16Range() {
  return std::to_string(kInt16Min) + " 到 " + std::to_string(kInt16Max);
}

std::string number(const exact::Rational& value, const NumberFormat& format) {
  return exact::text(value, format);
}

std::string number(const exact::Integer& value) {
  return exact::text(value, NumberFormat{});
}

std::string factor(const exact::Rational& value, const NumberFormat& format) {
  const std::string text = number(value, format);
  return sgn(value) < 0 ? "(" + text + ")" : text;
}

std::string plus(const exact::Rational& value, const NumberFormat& format) {
  return (sgn(value) < 0 ? " - " : " + ") + number(exact::Rational(abs(value)), format);
}

std::string base(const exact::Rational& value, const NumberFormat& format) {
  const std::string text = number(value, format);
  const bool wrap = sgn(value) < 0 || value.get_den() != 1 || exact::powerOfTen(value, format);
  return wrap ? "(" + text + ")" : text;
}

std::string chain(const std::vector<std::string>& parts) {
  std::string text, last;
  for (const std::string& part : parts) {
    if (part.empty() || notation::plain(part) == last) continue;
    text += (text.empty() ? "" : " = ") + part;
    last = notation::plain(part);
  }
  return text;
}

std::string decimalPart(const exact::Shown& value) {
  if (value.decimal.empty()) return {};
  return (value.approximate ? " ≈ " : " = ") + value.decimal;
}

std::string exponent(const exact::Integer& n) {
  return notation::sup(n.get_str());
}

std::string indexed(std::string_view name, const exact::Integer& n) {
  return notation::var(name) + notation::sub(n.get_str());
}

void windowNote(Working& w, const Calculation& c, const std::string& what) {
  if (c.error)
    errorLine(w, c, what);
  else
    line(w, LineKind::Note, what);
}

Working safely(const Calculation& c, std::string_view window, Builder build) {
  try {
    return build(c);
  } catch (...) {
    // The exact library refuses mixes the working never forms; a box can still
    // hold numbers no working was written for.
    Working w = begin(std::string(window), "计算过程");
    line(w, LineKind::Note, "这些数超出了能列出计算过程的范围。");
    answer(w, {"无法列出计算过程"});
    return w;
  }
}

}  // namespace vorlinde::steps
