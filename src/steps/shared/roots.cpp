#include "steps/shared/roots.h"

#include <vector>

#include "exact/estimate.h"
#include "exact/notation.h"
#include "steps/shared/values.h"

namespace vorlinde::steps {
namespace {

using exact::Integer;
using exact::Rational;

// a√b, the coefficient left out when it is 1 and the root when b is 1.
std::string rootTerm(const Integer& outside, const Integer& inside) {
  if (inside == 1) return number(outside);
  return (outside == 1 ? "" : number(outside)) + notation::root(number(inside));
}

// √n with its square factor in view: "√(36×2)"; nothing to show when n has none.
std::string factored(const exact::SquareFactors& f) {
  if (f.outside == 1 || f.inside == 1) return {};
  return notation::root(number(Integer(f.outside * f.outside)) + "×" + number(f.inside));
}

}  // namespace

SimplestRoot simplestRoot(const Rational& x, const NumberFormat& format) {
  const std::string radicand = notation::root(number(x, format));
  if (exact::digitCount(x.get_num()) + exact::digitCount(x.get_den()) > kMostRootDigits) {
    exact::Float root(0, 256);
    mpf_sqrt(root.get_mpf_t(), exact::toFloat(x).get_mpf_t());
    return {std::nullopt, radicand, {"", exact::floatText(root, format), true}};
  }
  const exact::Surd value = exact::Surd::sqrt(x);
  const exact::Shown shown = exact::show(value, format);
  const std::string& simplest = shown.exact;
  const Integer& p = x.get_num();
  const Integer& q = x.get_den();
  if (q == 1) {
    const exact::SquareFactors f = exact::squareFactors(p);
    return {value, chain({radicand, factored(f), simplest}), shown};
  }
  if (mpz_perfect_square_p(q.get_mpz_t())) {
    // √(p/q) = √p/√q with √q whole.
    const std::string bottom = number(Integer(sqrt(q)));
    const exact::SquareFactors f = exact::squareFactors(p);
    const std::string inner = factored(f);
    return {value,
            chain({radicand, notation::frac(notation::root(number(p)), bottom),
                   inner.empty() ? "" : notation::frac(inner, bottom),
                   notation::frac(rootTerm(f.outside, f.inside), bottom), simplest}),
            shown};
  }
  // √(p/q) = √(pq)/q: the denominator made a perfect square first.
  const exact::SquareFactors f = exact::squareFactors(p * q);
  const std::string bottom = number(q);
  return {value,
          chain({radicand, notation::frac(notation::root(number(p) + "×" + bottom), bottom),
                 f.outside == 1 ? "" : notation::frac(rootTerm(f.outside, f.inside), bottom),
                 simplest}),
          shown};
}

}  // namespace vorlinde::steps
