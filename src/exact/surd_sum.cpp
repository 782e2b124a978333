#include "exact/surd_sum.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "exact/detail.h"
#include "exact/notation.h"

namespace vorlinde::exact {
namespace {

using Terms = SurdSum::Terms;

// lo ≤ x ≤ hi with every root known to `decimals` places: √d·10ˢ lies between
// r = ⌊√(d·10²ˢ)⌋ and r + 1.
std::pair<Rational, Rational> bounds(const Terms& terms, unsigned long decimals) {
  const Integer scale = detail::tenTo(decimals);
  Rational lo = 0, hi = 0;
  for (const auto& [d, c] : terms) {
    if (d == 1) {
      lo += c;
      hi += c;
      continue;
    }
    const Integer r = sqrt(Integer(d * scale * scale));
    const Rational below = c * detail::fraction(r, scale),
                   above = c * detail::fraction(r + 1, scale);
    lo += sgn(c) > 0 ? below : above;
    hi += sgn(c) > 0 ? above : below;
  }
  return {lo, hi};
}

// The first bounds that leave 0 out, for a sum that has terms (and so is not 0).
// Radicands with a square factor too large to be found could make a sum of terms
// 0; no working forms one, and it is refused rather than searched for ever.
std::pair<Rational, Rational> apartFromZero(const Terms& terms) {
  for (unsigned long decimals = 20; decimals <= 65536; decimals *= 2) {
    auto b = bounds(terms, decimals);
    if (sgn(b.first) > 0 || sgn(b.second) < 0) return b;
  }
  throw std::domain_error("a sum of roots too close to 0");
}

// About log₁₀|x| for x ≠ 0, within one.
long magnitude(const Rational& x) {
  return static_cast<long>(digitCount(x.get_num())) - static_cast<long>(digitCount(x.get_den()));
}

detail::Digits rounded(const SurdSum& x, int significant) {
  if (x.isRational())
    return detail::round(x.terms().empty() ? Rational(0) : x.terms().at(1), significant);
  // The bounds are Σ|cᵢ| / 10^decimals wide: relative to |x| they need as many more
  // places as the coefficients are larger than x.
  Rational size = 0;
  for (const auto& [d, c] : x.terms())
    size += abs(c);
  const auto [lo, hi] = apartFromZero(x.terms());
  const Rational least = sgn(lo) > 0 ? lo : Rational(-hi);
  const long excess = std::max(0L, magnitude(size) - magnitude(least) + 2);
  return detail::roundIrrational(
      [&](long digits) { return bounds(x.terms(), static_cast<unsigned long>(digits + excess)); },
      significant);
}

// A factor p > 1 of some radicand that every radicand either holds or is prime to:
// the roots split into those with √p and those without.
Integer splittingFactor(const Terms& terms) {
  Integer p = terms.rbegin()->first;
  for (bool refined = true; refined;) {
    refined = false;
    for (const auto& [d, c] : terms) {
      const Integer g = gcd(p, d);
      if (g != 1 && g != p) {
        p = g;
        refined = true;
      }
    }
  }
  return p;
}

}  // namespace

SurdSum::SurdSum(const Rational& a) {
  add(1, a);
}

SurdSum::SurdSum(const Surd& x) {
  add(1, x.a());
  add(x.d(), x.b());
}

void SurdSum::add(const Integer& d, const Rational& c) {
  if (c == 0) return;
  Rational& sum = terms_[d];
  sum += c;
  if (sum == 0) terms_.erase(d);
}

std::optional<Surd> SurdSum::surd() const {
  if (terms_.size() > 2 || (terms_.size() == 2 && !terms_.count(1))) return std::nullopt;
  const Rational a = terms_.count(1) ? terms_.at(1) : Rational(0);
  if (isRational()) return Surd(a);
  const auto& [d, b] = *terms_.rbegin();
  return Surd(a, b, d);
}

int SurdSum::sign() const {
  if (terms_.empty()) return 0;
  return sgn(apartFromZero(terms_).first) > 0 ? 1 : -1;
}

SurdSum operator+(const SurdSum& x, const SurdSum& y) {
  SurdSum sum = x;
  for (const auto& [d, c] : y.terms_)
    sum.add(d, c);
  return sum;
}

SurdSum operator-(const SurdSum& x, const SurdSum& y) {
  return x + -y;
}

// √d₁·√d₂ = g√((d₁/g)(d₂/g)) for g = gcd(d₁, d₂), and the radicand stays free of squares.
SurdSum operator*(const SurdSum& x, const SurdSum& y) {
  SurdSum product;
  for (const auto& [d1, c1] : x.terms_)
    for (const auto& [d2, c2] : y.terms_) {
      const Integer g = gcd(d1, d2);
      product.add(Integer((d1 / g) * (d2 / g)), c1 * c2 * g);
    }
  return product;
}

// x = u + v√p with u and v free of √p: x(u - v√p) = u² - pv² holds no √p, so
// conjugates multiply the divisor to a fraction, one radicand's factor at a time.
SurdSum operator/(const SurdSum& x, const SurdSum& y) {
  if (y.terms_.empty()) throw std::domain_error("division by zero");
  if (y.isRational()) {
    SurdSum quotient;
    for (const auto& [d, c] : x.terms_)
      quotient.add(d, c / y.terms_.at(1));
    return quotient;
  }
  const Integer p = splittingFactor(y.terms_);
  SurdSum conjugate;
  for (const auto& [d, c] : y.terms_)
    conjugate.add(d, d % p == 0 ? Rational(-c) : c);
  return x * conjugate / (y * conjugate);
}

SurdSum SurdSum::operator-() const {
  SurdSum negated;
  for (const auto& [d, c] : terms_)
    negated.add(d, -c);
  return negated;
}

std::string SurdSum::text() const {
  if (const std::optional<Surd> s = surd()) return s->text();
  Integer q = 1;
  for (const auto& [d, c] : terms_)
    q = lcm(q, c.get_den());
  std::vector<std::pair<Integer, Integer>> written;  // radicand and whole coefficient
  for (const auto& [d, c] : terms_)
    written.emplace_back(d, c.get_num() * (q / c.get_den()));
  const auto order = [](const std::pair<Integer, Integer>& t) {
    return std::make_tuple(t.first != 1, sgn(t.second) < 0, Integer(-t.first));
  };
  std::sort(written.begin(), written.end(),
            [&](const auto& s, const auto& t) { return order(s) < order(t); });
  std::string top;
  for (const auto& [d, k] : written) {
    top += sgn(k) < 0 ? "-" : top.empty() ? "" : "+";
    const Integer m = abs(k);
    if (d == 1)
      top += m.get_str();
    else
      top += (m == 1 ? "" : m.get_str()) + notation::root(d.get_str());
  }
  return q == 1 ? top : notation::frac(top, q.get_str());
}

Decimal SurdSum::decimal(const NumberFormat& format) const {
  return detail::format(rounded(*this, 15), format);
}

Shown show(const SurdSum& value, const NumberFormat& format) {
  if (const std::optional<Surd> s = value.surd()) return show(*s, format);
  return {value.text(), value.decimal(format).text, true};
}

}  // namespace vorlinde::exact
