#include "exact/angles.h"

#include "core/trigonometry.h"

namespace vorlinde::exact {

std::optional<ExactTrig> exactTrig(const Rational& degrees) {
  if (degrees.get_den() != 1 || !degrees.get_num().fits_slong_p()) return std::nullopt;
  const std::optional<ExactTrigValues> values = specialTrig(degrees.get_d());
  if (!values) return std::nullopt;
  ExactTrig out;
  for (std::size_t i = 0; i < out.size(); ++i)
    if (const std::optional<ExactTrigValue>& v = (*values)[i])
      out[i] = Surd(0, Rational(v->numerator, v->denominator), v->radicand);
  return out;
}

Reduced reduceAngle(const Rational& degrees) {
  Integer turns;
  const Rational fraction = degrees / 360;
  mpz_fdiv_q(turns.get_mpz_t(), fraction.get_num_mpz_t(), fraction.get_den_mpz_t());
  return {degrees - Rational(turns * 360), turns};
}

}  // namespace vorlinde::exact
