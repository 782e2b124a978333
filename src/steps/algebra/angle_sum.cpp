#include "steps/algebra/angle_sum.h"

#include "exact/angles.h"
#include "exact/notation.h"
#include "steps/shared/common.h"

namespace vorlinde::steps {
namespace {

using exact::Rational;
using exact::SurdSum;
using notation::frac;

enum Function { Sin, Cos, Tan };

std::string degrees(int d) {
  return std::to_string(d) + "°";
}

// The whole multiple k·x, with k the least that clears x's denominators.
Rational clearing(const SurdSum& x) {
  exact::Integer k = 1;
  for (const auto& [d, c] : x.terms())
    k = lcm(k, c.get_den());
  return k;
}

// The conjugate that makes a two-term denominator a fraction, its smaller root's
// sign turned: 2-√3 and 2+√3, √6+√2 and √6-√2.
SurdSum conjugate(const SurdSum& x) {
  const auto& [d, c] = *x.terms().upper_bound(1);
  return x - 2 * SurdSum(exact::Surd(0, c, d));
}

// 1/x for x > 0 with two terms: q/X for x = X/q, then over X's conjugate.
std::string reciprocal(const SurdSum& x) {
  const Rational q = clearing(x);
  const SurdSum top = x * q, other = conjugate(top);
  const std::string scale = q == 1 ? "" : q.get_str();
  return frac(scale.empty() ? "1" : scale, top.text()) + " = " +
         frac(scale.empty() ? other.text() : scale + "(" + other.text() + ")",
              "(" + top.text() + ")×(" + other.text() + ")") +
         " = " + (1 / x).text();
}

}  // namespace

std::string angleSumMethod(int reference) {
  const bool sum = reference > 45;
  return std::string(sum ? "两角和" : "两角差") + "的正弦、余弦、正切公式（" + degrees(reference) +
         " = 45° " + (sum ? "+" : "-") + " 30°），余切、正割、余割取倒数，再把分母有理化";
}

void angleSumSteps(Working& w, int reference) {
  const exact::ExactTrig a = *exact::exactTrig(45), b = *exact::exactTrig(30);
  const SurdSum &sinA = *a[Sin], &cosA = *a[Cos], &tanA = *a[Tan];
  const SurdSum &sinB = *b[Sin], &cosB = *b[Cos], &tanB = *b[Tan];
  const bool sum = reference > 45;
  const std::string s = sum ? " + " : " - ", turned = sum ? " - " : " + ";
  const SurdSum sign = sum ? 1 : -1;
  const std::string r = degrees(reference), split = "(45°" + s + "30°)";
  const auto name = [&](const char* f, const std::string& at) { return f + (" " + at); };
  const auto product = [](const SurdSum& x, const SurdSum& y) { return x.text() + "×" + y.text(); };

  const SurdSum p = sinA * cosB, q = cosA * sinB, sinR = p + sign * q;
  line(w, LineKind::Step,
       name("sin", r) + " = sin" + split + " = sin 45°cos 30°" + s +
           "cos 45°sin 30° = " + product(sinA, cosB) + s + product(cosA, sinB) + " = " + p.text() +
           s + q.text() + " = " + sinR.text());
  const SurdSum u = cosA * cosB, v = sinA * sinB, cosR = u - sign * v;
  line(w, LineKind::Step,
       name("cos", r) + " = cos" + split + " = cos 45°cos 30°" + turned +
           "sin 45°sin 30° = " + product(cosA, cosB) + turned + product(sinA, sinB) + " = " +
           u.text() + turned + v.text() + " = " + cosR.text());
  const SurdSum top = tanA + sign * tanB, bottom = 1 - sign * tanA * tanB;
  const Rational k(exact::Integer(lcm(clearing(top).get_num(), clearing(bottom).get_num())));
  line(w, LineKind::Step,
       name("tan", r) + " = tan" + split + " = " +
           frac("tan 45°" + s + "tan 30°", "1" + turned + "tan 45°tan 30°") + " = " +
           frac(tanA.text() + s + tanB.text(), "1" + turned + product(tanA, tanB)) + " = " +
           frac((top * k).text(), (bottom * k).text()) + " = " + (top / bottom).text());
  const SurdSum tanR = top / bottom;
  // Written as the table's definitions are, on the line: "sec 15° = 1/cos 15°".
  const auto inverse = [&](const char* f, const char* of, const SurdSum& x) {
    line(w, LineKind::Step, name(f, r) + " = 1/" + name(of, r) + " = " + reciprocal(x));
  };
  inverse("cot", "tan", tanR);
  inverse("sec", "cos", cosR);
  inverse("csc", "sin", sinR);
}

}  // namespace vorlinde::steps
