#pragma once

#include <map>
#include <optional>
#include <string>

#include "exact/exact.h"

// Sums of square roots with fraction coefficients, c₀ + c₁√d₁ + c₂√d₂ + …, such as
// the exact values at the multiples of 15°: (√6-√2)/4, 2+√3. They are closed under
// the four operations; a quotient is brought to a fraction-free denominator by
// conjugates, as the textbook rationalises one.

namespace vorlinde::exact {

class SurdSum {
 public:
  // Each radicand free of square factors, its coefficient never 0; the fraction
  // c₀ under the radicand 1. Roots of different such radicands are independent,
  // so this form is unique and a sum is 0 exactly when it has no terms.
  using Terms = std::map<Integer, Rational>;

  SurdSum(const Rational& a = 0);           // NOLINT: a fraction is a sum of roots
  SurdSum(int a) : SurdSum(Rational(a)) {}  // NOLINT
  SurdSum(const Surd& x);                   // NOLINT: so is a + b√d

  const Terms& terms() const { return terms_; }
  bool isRational() const { return terms_.empty() || (terms_.size() == 1 && terms_.count(1)); }
  // The value as a Surd where it has at most one root.
  std::optional<Surd> surd() const;
  int sign() const;  // exact: -1, 0 or 1

  friend SurdSum operator+(const SurdSum& x, const SurdSum& y);
  friend SurdSum operator-(const SurdSum& x, const SurdSum& y);
  friend SurdSum operator*(const SurdSum& x, const SurdSum& y);
  friend SurdSum operator/(const SurdSum& x, const SurdSum& y);  // y ≠ 0, else std::domain_error
  SurdSum operator-() const;
  friend bool operator==(const SurdSum& x, const SurdSum& y) = default;

  // Over one whole denominator, the fraction first, then the roots added, then
  // those subtracted, larger radicands first: "(√6-√2)/4", "2-√3", "(-√6-√2)/4";
  // with at most one root as Surd::text() writes it.
  std::string text() const;
  Decimal decimal(const NumberFormat& format) const;

 private:
  void add(const Integer& d, const Rational& c);

  Terms terms_;
};

Shown show(const SurdSum& value, const NumberFormat& format);

}  // namespace vorlinde::exact
