#include "exact/angles.h"

#include "core/trigonometry.h"

namespace vorlinde::exact {
namespace {

// The table's values at a whole multiple of 30° or 45°; nothing at other angles.
std::optional<ExactTrig> fromTable(long degrees) {
  const std::optional<ExactTrigValues> values = specialTrig(static_cast<double>(degrees));
  if (!values) return std::nullopt;
  ExactTrig out;
  for (std::size_t i = 0; i < out.size(); ++i)
    if (const std::optional<ExactTrigValue>& v = (*values)[i])
      out[i] = Surd(0, Rational(v->numerator, v->denominator), v->radicand);
  return out;
}

}  // namespace

std::optional<ExactTrig> exactTrig(const Rational& degrees) {
  if (degrees.get_den() != 1) return std::nullopt;
  const long turn = reduceAngle(degrees).degrees.get_num().get_si();
  if (std::optional<ExactTrig> special = fromTable(turn)) return special;
  if (turn % 15 != 0) return std::nullopt;
  // Any other multiple of 15° is 45° more than a multiple of 30°, and its sine and
  // cosine are never 0.
  const ExactTrig a = *fromTable(45), b = *fromTable(turn - 45);
  const SurdSum sin = *a[0] * *b[1] + *a[1] * *b[0];
  const SurdSum cos = *a[1] * *b[1] - *a[0] * *b[0];
  return ExactTrig{sin, cos, sin / cos, cos / sin, 1 / cos, 1 / sin};
}

Reduced reduceAngle(const Rational& degrees) {
  Integer turns;
  const Rational fraction = degrees / 360;
  mpz_fdiv_q(turns.get_mpz_t(), fraction.get_num_mpz_t(), fraction.get_den_mpz_t());
  return {degrees - Rational(turns * 360), turns};
}

}  // namespace vorlinde::exact
