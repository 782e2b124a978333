#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/numbers.h"

// Exact numbers for the working: whole numbers and fractions of any size (GMP),
// numbers of the form a + b√d with a and b fractions and d square-free, and
// fractions of π. Texts come back in the notation of exact/notation.h, so each
// one reads both as plain text ("(3+√5)/2") and as the typeset form.

namespace vorlinde::exact {

using Integer = mpz_class;
using Rational = mpq_class;  // always in lowest terms, the sign on the numerator

// A value with more digits than this is written by its number of digits and its
// exponent form instead of in full, unless it is m × 10ⁿ (powerOfTen()).
inline constexpr std::size_t kMostDigitsWritten = 1000;

// ---- What the pupil typed, exactly ----

// The number the text holds as the numeric test takes it, exactly as typed:
// "0.1" is 1/10, "1.5E-3" is 3/2000, "１２" is 12. Nothing when the test fails.
// A text whose exact value would run to more than 4,000 digits ("1E-99999") is
// taken as the double the window read, exactly.
std::optional<Rational> readStrict(std::string_view text, const NumberFormat& format);
// The number lenient reading takes from the text, exactly: "12.5cm" is 25/2, an
// empty box 0, "&H10" 16. Nothing when the value lies beyond the doubles (the
// window raises an overflow there).
std::optional<Rational> readLenient(std::string_view text);
// Every finite double is a fraction whose denominator is a power of 2. An infinity
// or NaN has no such value: std::domain_error (the guarded arithmetic never passes one).
Rational fromDouble(double value);

// ---- Number text of exact values ----

struct Decimal {
  std::string text;  // the number text rules of the windows, 15 significant digits
  bool exact;        // the text is the value itself, not a rounding of it
};
// Rounded half away from zero; the exponent may have any number of digits
// ("7.07730515522477E+9863"), as the value may lie beyond the doubles.
Decimal decimal(const Rational& value, const NumberFormat& format);
// factor × base^exponent where its number text is the value itself, at most 15
// significant digits (100³²⁷⁶⁶ = 1E+65532), decided without working out a long
// power; nothing for any other value, and for 0 to a power below 1.
std::optional<Decimal> shortDecimal(const Rational& factor, const Rational& base,
                                    const Integer& exponent, const NumberFormat& format);

// ---- Square roots ----

// n = outside² × inside, for n ≥ 0: the square factors found by trial division by
// primes up to 10⁶, and a remainder that is itself a perfect square, are taken out.
// 0 gives outside 0 and inside 1, as √0 = 0 has no root left; n < 0 throws
// std::domain_error.
struct SquareFactors {
  Integer outside;
  Integer inside;
};
SquareFactors squareFactors(const Integer& n);

// a + b√d, a and b fractions, d > 1 free of the square factors squareFactors()
// finds; b = 0 and d = 1 for a fraction.
class Surd {
 public:
  Surd(const Rational& a = 0);                                   // NOLINT: a fraction is a surd
  Surd(int a) : Surd(Rational(a)) {}                             // NOLINT
  Surd(const Rational& a, const Rational& b, const Integer& d);  // simplifies √d
  // x ≥ 0: √(p/q) = √(pq)/q, simplified; x < 0 throws std::domain_error.
  static Surd sqrt(const Rational& x);

  const Rational& a() const { return a_; }
  const Rational& b() const { return b_; }
  const Integer& d() const { return d_; }
  bool isRational() const { return b_ == 0; }
  int sign() const;  // exact: -1, 0 or 1
  double approx() const;

  // Sums and differences need the same d (or a fraction on one side); products
  // also take two pure roots of different d (√2 × √3 = √6). Division is by a
  // fraction, by a surd of the same d (by its conjugate), or by a pure root b√d,
  // which is a product with √d/(bd). Other mixes throw std::domain_error: the
  // working never forms them.
  friend Surd operator+(const Surd& x, const Surd& y);
  friend Surd operator-(const Surd& x, const Surd& y);
  friend Surd operator*(const Surd& x, const Surd& y);
  friend Surd operator/(const Surd& x, const Surd& y);  // y ≠ 0, else std::domain_error
  Surd operator-() const;
  friend bool operator==(const Surd& x, const Surd& y) = default;

  // The textbook's form with the sign in front and the coefficient before the root:
  // "-3", "-1/2", "6√2", "-√2/2", "(3+√5)/2", "(3-√5)/2", "(-3-√5)/2", "2+√3".
  std::string text() const;
  Decimal decimal(const NumberFormat& format) const;

 private:
  // For a d already free of square factors: skips squareFactors().
  static Surd canonical(const Rational& a, const Rational& b, const Integer& d);

  Rational a_, b_;
  Integer d_ = 1;
};

// k × π for a fraction k.
class PiMultiple {
 public:
  explicit PiMultiple(const Rational& k) : k_(k) {}
  const Rational& k() const { return k_; }
  // "9π", "9π/2", "π/6", "-π/2", "2π/3", "0".
  std::string text() const;
  Decimal decimal(const NumberFormat& format) const;

 private:
  Rational k_;
};

// ---- How a value is written in the working ----

// A value as the working writes it: its exact form, then, where the value is not a
// whole number, its number text after " = " (exact) or " ≈ " (rounded).
struct Shown {
  std::string exact;         // markup; for more than kMostDigitsWritten digits, in words
  std::string decimal;       // number text; empty for a whole number written in full and
                             // for m × 10ⁿ, whose exact form is its decimal already
  bool approximate = false;  // the decimal is a rounding
  // "6√2 ≈ 8.48528137423857", "3/2 = 1.5", "-3"; a value without an exact form
  // gives its relation and number text alone: "≈ 4.27666611901606".
  std::string text() const;
  // The value as the answer to a name: "x = 3/2 = 1.5", "ln m ≈ 4.27666611901606".
  std::string named(std::string_view name) const;
};
Shown show(const Rational& value, const NumberFormat& format);
Shown show(const Surd& value, const NumberFormat& format);
Shown show(const PiMultiple& value, const NumberFormat& format);
// A value written by its number text alone (a logarithm, a power too long to write
// out): exact empty, approximate where the text is a rounding.
Shown showDecimal(const Decimal& value);

// The number of decimal digits of |value|; 0 has one.
std::size_t digitCount(const Integer& value);

// A value m × 10ⁿ with m of at most 15 significant digits and |n| ≥ 20, written
// with the format's decimal separator: "10³⁰⁰", "-3.5×10⁴⁰", "10⁻³⁰⁰". Nothing for
// any other value: its digits are no longer than they need to be.
std::optional<std::string> powerOfTen(const Rational& value, const NumberFormat& format);

// How the working writes whole numbers: m × 10ⁿ as powerOfTen() writes it; any
// other number in full, past 30 digits in groups of five digits from the right
// apart by thin spaces (U+2009), where a line may break; past kMostDigitsWritten
// digits in words with its exponent form ("一个 9864 位数，约为
// 7.07730515522477E+9863", a negative one "-(一个 9864 位数)，约为 …").
std::string text(const Integer& value, const NumberFormat& format);
// A fraction in lowest terms with the sign in front: "-3", "3/7", "-1/2", or m × 10ⁿ
// as powerOfTen() writes it. The numerator and the denominator are each written as
// whole numbers are, past kMostDigitsWritten digits in words: "1/(一个 9864 位数)".
std::string text(const Rational& value, const NumberFormat& format);

// The whole number as a 64-bit one, or nothing where it does not fit. GMP's C++
// interface converts through long, which has only 32 bits on Windows.
std::optional<std::int64_t> toInt64(const Integer& n);
// The 64-bit whole number as GMP's, for the same reason.
Integer toInteger(std::int64_t n);

// base^exponent exactly, or nothing when the result's numerator or denominator
// would run past maxDigits digits (estimated before it is computed, so this never
// takes long). A negative exponent gives the reciprocal; 0 to a negative power is
// nothing, and anything to the power 0 is 1, 0⁰ included.
std::optional<Rational> power(const Rational& base, std::int64_t exponent, std::size_t maxDigits);

}  // namespace vorlinde::exact
