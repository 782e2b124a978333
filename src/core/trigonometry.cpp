#include "core/trigonometry.h"

#include <cmath>

#include "core/messages.h"

namespace vorlinde {
namespace {

struct ReferenceAngle {
  int degrees;
  ExactTrigValues values;  // in the first quadrant
};

constexpr std::optional<ExactTrigValue> v(int numerator, int denominator, int radicand) {
  return ExactTrigValue{numerator, denominator, radicand};
}
constexpr std::nullopt_t kNone = std::nullopt;

// The one table of exact values: the working's exact trigonometry reads it too.
constexpr ReferenceAngle kReferenceAngles[] = {
    {0, {v(0, 1, 1), v(1, 1, 1), v(0, 1, 1), kNone, v(1, 1, 1), kNone}},
    {30, {v(1, 2, 1), v(1, 2, 3), v(1, 3, 3), v(1, 1, 3), v(2, 3, 3), v(2, 1, 1)}},
    {45, {v(1, 2, 2), v(1, 2, 2), v(1, 1, 1), v(1, 1, 1), v(1, 1, 2), v(1, 1, 2)}},
    {60, {v(1, 2, 3), v(1, 2, 1), v(1, 1, 3), v(1, 3, 3), v(2, 1, 1), v(2, 3, 3)}},
    {90, {v(1, 1, 1), v(0, 1, 1), kNone, v(0, 1, 1), kNone, v(1, 1, 1)}},
};

ExactTrigValues reference(int degrees) {
  for (const ReferenceAngle& r : kReferenceAngles)
    if (r.degrees == degrees) return r.values;
  return {};
}

// The first-quadrant values with the signs of sin and cos in the quadrant.
ExactTrigValues inQuadrant(const ExactTrigValues& values, int sine, int cosine) {
  const int signs[] = {sine, cosine, sine * cosine, sine * cosine, cosine, sine};
  ExactTrigValues out = values;
  for (std::size_t i = 0; i < out.size(); ++i)
    if (out[i]) out[i]->numerator *= signs[i];
  return out;
}

}  // namespace

Real radians(Real degrees) {
  return degrees * kPi / 180;
}

double ExactTrigValue::toDouble() const {
  return std::sqrt(double(radicand)) * numerator / denominator;
}

std::optional<ExactTrigValues> specialTrig(double degrees) {
  if (!std::isfinite(degrees) || (std::fmod(degrees, 30) != 0 && std::fmod(degrees, 45) != 0))
    return std::nullopt;
  // fmod is exact, so a whole angle of any size reduces to its turn without rounding.
  double turn = std::fmod(degrees, 360);
  if (turn < 0) turn += 360;
  const int d = static_cast<int>(turn);
  if (d <= 90) return inQuadrant(reference(d), 1, 1);
  if (d <= 180) return inQuadrant(reference(180 - d), 1, -1);
  if (d <= 270) return inQuadrant(reference(d - 180), -1, -1);
  return inQuadrant(reference(360 - d), -1, 1);
}

std::string trigCaption(TrigStep step, double degrees, const NumberFormat& format) {
  const Real x = radians(degrees);
  if (step == TrigStep::Radians) return numberText(x.value(), format);
  if (const std::optional<ExactTrigValues> exact = specialTrig(degrees)) {
    const std::optional<ExactTrigValue>& v = (*exact)[static_cast<int>(step) - 1];
    return v ? numberText(v->toDouble(), format) : kUndefined;
  }
  switch (step) {
    case TrigStep::Sine:
      return numberText(sine(x).value(), format);
    case TrigStep::Cosine:
      return numberText(cosine(x).value(), format);
    case TrigStep::Tangent:
      return numberText(tangent(x).value(), format);
    case TrigStep::Cotangent:
      return numberText((Real(1) / tangent(x)).value(), format);
    case TrigStep::Secant:
      return numberText((Real(1) / cosine(x)).value(), format);
    default:
      return numberText((Real(1) / sine(x)).value(), format);
  }
}

}  // namespace vorlinde
