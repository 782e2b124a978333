#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "exact/surd_sum.h"
#include "steps/working_lines.h"

// Every equality a working writes holds: the chains of "=" in its steps evaluated
// exactly, branch by branch where they carry "±"; and a decimal stands after "="
// exactly when it is the value itself.

namespace vorlinde::steps {
namespace {

using exact::SurdSum;

// The exact value of plain text of numbers, √, + - × / ± ∓, ², parentheses and
// products side by side ("2√5", "4(√6-√2)"), "±" the branch's sign; it throws on
// any other text ("x₁", "sin 15°").
struct Expression {
  std::string_view text;
  int branch;
  std::size_t at = 0;

  bool next(std::string_view token) {
    while (text.substr(at).starts_with(" "))
      ++at;
    return text.substr(at).starts_with(token);
  }
  bool take(std::string_view token) { return next(token) && (at += token.size()); }
  int sign() {
    return take("+") ? 1 : take("-") ? -1 : take("±") ? branch : take("∓") ? -branch : 0;
  }
  SurdSum sum() {
    SurdSum v = term();
    for (int s; (s = sign()) != 0;)
      v = v + s * term();
    return v;
  }
  SurdSum term() {
    for (SurdSum v = factor();;)
      if (take("/"))
        v = v / factor();
      else if (take("×") || next("(") || next("√"))
        v = v * factor();
      else
        return v;
  }
  SurdSum factor() {
    const int s = sign();
    const SurdSum v = atom();
    return (take("²") ? v * v : v) * (s < 0 ? -1 : 1);
  }
  SurdSum atom() {
    if (take("√")) {
      const SurdSum radicand = atom();
      return radicand.isRational() ? exact::Surd::sqrt(radicand.surd()->a())
                                   : throw std::invalid_argument("not an expression");
    }
    if (!take("(")) {
      const std::size_t from = at;
      at = std::min(text.find_first_not_of("0123456789.", at), text.size());
      return exact::readStrict(text.substr(from, at - from), {}).value();
    }
    const SurdSum v = sum();
    return take(")") ? v : throw std::invalid_argument("not an expression");
  }
};

std::optional<SurdSum> valueOf(std::string_view text, int branch) try {
  Expression e{text, branch};
  const SurdSum v = e.sum();
  return e.at == text.size() ? std::optional(v) : std::nullopt;
} catch (...) {  // text that is not such an expression
  return std::nullopt;
}

std::vector<std::string> split(std::string text, std::vector<std::string_view> marks) {
  for (std::string_view mark : marks)
    for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
      text.replace(at, mark.size(), "\n");
  std::vector<std::string> parts;
  for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 1)
    parts.push_back(text.substr(from, (to = text.find('\n', from)) - from));
  return parts;
}

// Checks each chain of "=" in the working's steps, clause by clause; how many
// equalities it could evaluate.
int checkChains(const Working& w, const std::string& what) {
  int checked = 0;
  for (const Line& l : w.lines)
    for (const std::string& clause : split(notation::plain(l.text), {"，", "：", "（", "）"}))
      for (int branch : {1, -1}) {
        std::optional<SurdSum> first;
        for (const std::string& side : split(clause, {" = "}))
          if (const auto v = valueOf(split(side, {" ≈ "})[0], branch); v && first && ++checked)
            EXPECT_EQ(notation::plain(v->text()), notation::plain(first->text()))
                << what << ": " << clause;
          else if (!first)
            first = v;
      }
  return checked;
}

// Coefficients in halves, typed as decimals: "-4.5", "3".
std::string halves(int k) {
  return (k < 0 ? "-" : "") + std::to_string(std::abs(k) / 2) + (k % 2 ? ".5" : "");
}

TEST(Equalities, QuadraticsWithANegativeLeadingCoefficientHoldOnBothBranches) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> leading(-18, -1), other(-40, 40);
  int checked = 0;
  for (int i = 0; i < 400; ++i) {
    const std::string a = halves(leading(random)), b = halves(other(random));
    const std::string c = halves(other(random));
    checked += checkChains(run(PanelId::Quadratic, {a, b, c}), a + " " + b + " " + c);
  }
  EXPECT_GT(checked, 2000);
}

TEST(Equalities, TheSumFormulasAtEveryMultipleOf15Degrees) {
  for (int d = -360; d <= 720; d += 15)
    EXPECT_GE(checkChains(run(PanelId::Trigonometry, {std::to_string(d)}), std::to_string(d)),
              d % 30 && d % 45 ? 24 : 0);
  // Each derivation ends in the value the answer gives the reference angle itself.
  for (const char* d : {"15", "75"}) {
    const Working w = run(PanelId::Trigonometry, {d});
    for (const Line& l : w.lines) {
      const std::string p = plainLine(l);
      if (l.kind != LineKind::Step || p.find("√") == std::string::npos) continue;
      EXPECT_TRUE(w.answer().find(p.substr(0, 3) + " α = " + split(p, {" = "}).back() + " ≈") !=
                  std::string::npos)
          << p;
    }
  }
}

TEST(Equalities, ADecimalFollowsEqualsExactlyWhenItIsTheValue) {
  const struct {
    PanelId panel;
    std::vector<std::string> texts;
    const char* written;
  } cases[] = {
      {PanelId::Cone, {"10.5", "10"}, "= √841/2 = 29/2 = 14.5"},
      {PanelId::Cone, {"1", "1"}, "= √2 ≈ 1.4142135623731"},
      {PanelId::RootAndLogarithm, {"1E-2000"}, "√10⁻²⁰⁰⁰ = 10⁻¹⁰⁰⁰"},
      {PanelId::Power, {"10", "100000"}, "mⁿ = 10¹⁰⁰⁰⁰⁰"},
      {PanelId::Power, {"5E-2000", "-26"}, "mⁿ = 6.7108864×10⁵¹⁹⁸¹"},
      {PanelId::GeometricSequence, {"2", "-100", "32767"}, "aₙ = 2×10⁶⁵⁵³²，Sₙ ≈"},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(hasLineWith(run(c.panel, c.texts), c.written)) << c.written;
}

}  // namespace
}  // namespace vorlinde::steps
