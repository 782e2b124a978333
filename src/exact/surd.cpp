#include <stdexcept>

#include "exact/detail.h"
#include "exact/exact.h"

namespace vorlinde::exact {
namespace {

[[noreturn]] void refuse(const char* what) {
  throw std::domain_error(what);
}

// The d two surds share, or refuses when both hold roots of different numbers.
const Integer& sharedRoot(const Surd& x, const Surd& y) {
  if (x.isRational()) return y.d();
  if (!y.isRational() && x.d() != y.d()) refuse("roots of different numbers");
  return x.d();
}

}  // namespace

Surd::Surd(const Rational& a) : a_(a), b_(0) {}

Surd::Surd(const Rational& a, const Rational& b, const Integer& d) : a_(a), b_(b) {
  const SquareFactors f = squareFactors(d);
  b_ *= f.outside;
  if (f.inside == 1 || b_ == 0) {
    a_ += b_;
    b_ = 0;
  } else {
    d_ = f.inside;
  }
}

Surd Surd::canonical(const Rational& a, const Rational& b, const Integer& d) {
  Surd x(a);
  if (b != 0) {
    x.b_ = b;
    x.d_ = d;
  }
  return x;
}

Surd Surd::sqrt(const Rational& x) {
  if (sgn(x) < 0) refuse("square root of a negative number");
  return Surd(0, Rational(1, x.get_den()), x.get_num() * x.get_den());
}

int Surd::sign() const {
  const int sa = sgn(a_), sb = sgn(b_);
  if (sa == 0 || sb == 0 || sa == sb) return sa != 0 ? sa : sb;
  // a and b√d have opposite signs: the larger square wins.
  const int root = cmp(b_ * b_ * d_, a_ * a_);
  return root > 0 ? sb : root < 0 ? sa : 0;
}

Surd operator+(const Surd& x, const Surd& y) {
  return Surd::canonical(x.a_ + y.a_, x.b_ + y.b_, sharedRoot(x, y));
}

Surd operator-(const Surd& x, const Surd& y) {
  return x + -y;
}

Surd operator*(const Surd& x, const Surd& y) {
  if (x.isRational() || y.isRational() || x.d_ == y.d_) {
    const Integer& d = sharedRoot(x, y);
    return Surd::canonical(x.a_ * y.a_ + x.b_ * y.b_ * d, x.a_ * y.b_ + x.b_ * y.a_, d);
  }
  if (x.a_ != 0 || y.a_ != 0) refuse("product of roots of different numbers");
  return Surd(0, x.b_ * y.b_, x.d_ * y.d_);
}

Surd operator/(const Surd& x, const Surd& y) {
  if (y.sign() == 0) refuse("division by zero");
  if (y.isRational()) return Surd::canonical(x.a_ / y.a_, x.b_ / y.a_, x.d_);
  // 1/(b√d) = √d/(bd) also serves a root of another number.
  if (y.a_ == 0) return x * Surd::canonical(0, Rational(1) / (y.b_ * y.d_), y.d_);
  // (a + b√d)(a - b√d) = a² - b²d is a fraction, and not 0 for an irrational √d.
  const Surd conjugate = Surd::canonical(y.a_, -y.b_, y.d_);
  const Rational norm = y.a_ * y.a_ - y.b_ * y.b_ * y.d_;
  return x * conjugate / Surd(norm);
}

Surd Surd::operator-() const {
  Surd negated = *this;
  negated.a_ = -a_;
  negated.b_ = -b_;
  return negated;
}

detail::WholeSurd detail::overCommonDenominator(const Surd& x) {
  const Integer q = lcm(x.a().get_den(), x.b().get_den());
  return {x.a().get_num() * (q / x.a().get_den()), x.b().get_num() * (q / x.b().get_den()), q};
}

}  // namespace vorlinde::exact
