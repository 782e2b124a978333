#include <climits>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "exact/exact.h"
#include "exact/primes.h"

namespace vorlinde::exact {
namespace {

// Divides every factor p out of rest, moving p^(e/2) outside and p^(e mod 2) inside.
void takeOut(unsigned long p, Integer& rest, SquareFactors& f) {
  bool odd = false;
  for (; mpz_divisible_ui_p(rest.get_mpz_t(), p); odd = !odd) {
    mpz_divexact_ui(rest.get_mpz_t(), rest.get_mpz_t(), p);
    if (odd) f.outside *= p;
  }
  if (odd) f.inside *= p;
}

// Can n^e have more than maxDigits digits? Estimated from n's leading bits, so a
// false answer is sure and a true one is checked after computing.
bool mayFit(const Integer& n, std::uint64_t e, std::size_t maxDigits) {
  if (n <= 1) return true;
  long bits = 0;
  const double mantissa = mpz_get_d_2exp(&bits, n.get_mpz_t());
  const double digits = static_cast<double>(e) * (std::log10(mantissa) + bits * std::log10(2.0));
  return digits < static_cast<double>(maxDigits) + 1;
}

// Past 1, n^e fits only where mayFit() allows, with e far below 2³².
Integer toThe(const Integer& n, std::uint64_t e) {
  if (n <= 1) return n;
  Integer result;
  mpz_pow_ui(result.get_mpz_t(), n.get_mpz_t(), static_cast<unsigned long>(e));
  return result;
}

}  // namespace

SquareFactors squareFactors(const Integer& n) {
  if (sgn(n) < 0) throw std::domain_error("square factors of a negative number");
  if (n == 0) return {0, 1};
  SquareFactors f{1, 1};
  Integer rest = n;
  const std::vector<unsigned long>& primes = smallPrimes();
  // Primes are tried in groups whose product fits a machine word, so that one
  // remainder of the long number serves the whole group.
  for (std::size_t i = 0; i < primes.size() && rest > 1;) {
    // rest is 1 or a prime below primes[i]², which a double holds exactly (a long
    // may not: Windows gives it 32 bits).
    if (mpz_cmp_d(rest.get_mpz_t(), static_cast<double>(primes[i]) * primes[i]) < 0) break;
    unsigned long product = 1;
    std::size_t end = i;
    while (end < primes.size() && product <= ULONG_MAX / primes[end])
      product *= primes[end++];
    const unsigned long remainder = mpz_fdiv_ui(rest.get_mpz_t(), product);
    for (; i < end; ++i)
      if (remainder % primes[i] == 0) takeOut(primes[i], rest, f);
  }
  if (rest > 1 && mpz_perfect_square_p(rest.get_mpz_t())) {
    f.outside *= sqrt(rest);
    rest = 1;
  }
  f.inside *= rest;
  return f;
}

std::optional<std::int64_t> toInt64(const Integer& n) {
  if (mpz_sizeinbase(n.get_mpz_t(), 2) > 63) return std::nullopt;
  std::uint64_t magnitude = 0;
  mpz_export(&magnitude, nullptr, -1, sizeof magnitude, 0, 0, n.get_mpz_t());
  return sgn(n) < 0 ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

Integer toInteger(std::int64_t n) {
  const std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : n;
  Integer out;
  mpz_import(out.get_mpz_t(), 1, -1, sizeof magnitude, 0, 0, &magnitude);
  return n < 0 ? Integer(-out) : out;
}

std::optional<Rational> power(const Rational& base, std::int64_t exponent, std::size_t maxDigits) {
  if (exponent == 0) return Rational(1);
  if (base == 0) return exponent > 0 ? std::optional<Rational>(0) : std::nullopt;
  const std::uint64_t e = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                       : static_cast<std::uint64_t>(exponent);
  const Integer n = abs(base.get_num()), d = base.get_den();
  if (!mayFit(n, e, maxDigits) || !mayFit(d, e, maxDigits)) return std::nullopt;
  Integer top = toThe(n, e), bottom = toThe(d, e);
  if (digitCount(top) > maxDigits || digitCount(bottom) > maxDigits) return std::nullopt;
  if (sgn(base) < 0 && e % 2 == 1) top = -top;
  if (exponent < 0) std::swap(top, bottom);
  Rational result(top, bottom);
  result.canonicalize();  // only moves the sign of a reciprocal to the numerator
  return result;
}

}  // namespace vorlinde::exact
