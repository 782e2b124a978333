#include "working/line_breaks.h"

#include <QList>
#include <QString>
#include <string>

#include "exact/notation.h"

namespace vorlinde::working {
namespace {

// One character of the plain text and where it stands.
struct Char {
  char32_t c = 0;
  int at = 0;          // its UTF-16 offset
  bool outer = false;  // on the line, outside parentheses, radicands, exponents and fractions
};

constexpr std::u32string_view kOperators = U"=≈≠<>≤≥+-−±∓×÷→⇒↔∴∵|";
// Characters that never start a line, and those that never end one.
constexpr std::u32string_view kClosing = U"，。、；：？！）」』”’》〉】,.;:?!)]}";
constexpr std::u32string_view kOpening = U"（「『“‘《〈【([{";

bool in(std::u32string_view set, char32_t c) {
  return set.find(c) != std::u32string_view::npos;
}

// Chinese text and its punctuation, where a line may break between characters.
bool chinese(char32_t c) {
  return QChar::script(c) == QChar::Script_Han || (c >= 0x3000 && c <= 0x303F) ||
         (c >= 0xFF00 && c <= 0xFF5D) || c == U'“' || c == U'”';
}

bool digit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

std::vector<Char> charsOf(std::string_view markup) {
  std::vector<Char> chars;
  int at = 0, depth = 0;
  for (const notation::Run& run : notation::runs(markup)) {
    const bool onLine = run.fraction < 0 && run.underBars == 0 && run.shift == 0;
    for (const char32_t c : QString::fromStdString(run.text).toUcs4()) {
      if (onLine && !run.hidden && (c == U'(' || c == U'[')) ++depth;
      if (onLine && !run.hidden && (c == U')' || c == U']') && depth > 0) --depth;
      chars.push_back({c, at, onLine && depth == 0});
      at += c >= 0x10000 ? 2 : 1;
    }
  }
  return chars;
}

// The kind of break between chars[k - 1] and chars[k], or 0 for none.
int breakBefore(const std::vector<Char>& chars, std::size_t k) {
  const char32_t a = chars[k - 1].c, b = chars[k].c;
  if (b == U' ' || b == U'\u2009' || in(kClosing, b) || in(kOpening, a)) return 0;
  if (a == U'\u2009') return k >= 2 && digit(chars[k - 2].c) && digit(b) ? LineBreak::Term : 0;
  if (a == U' ') {
    std::size_t p = k - 1;
    while (p > 0 && chars[p - 1].c == U' ')
      --p;
    if (p == 0) return 0;
    const char32_t before = chars[p - 1].c;
    return in(kOperators, before) || chinese(before) || chinese(b) ? LineBreak::Term : 0;
  }
  if (a == U'，' || a == U'；' || a == U'。') return LineBreak::Clause;
  return chinese(a) || chinese(b) ? LineBreak::Term : 0;
}

}  // namespace

std::vector<LineBreak> lineBreaks(std::string_view markup) {
  const std::vector<Char> chars = charsOf(markup);
  std::vector<LineBreak> breaks;
  for (std::size_t k = 1; k < chars.size(); ++k)
    if (const int level = breakBefore(chars, k))
      breaks.push_back(
          {chars[k].at, chars[k - 1].outer ? LineBreak::Level(level) : LineBreak::Inner});
  return breaks;
}

}  // namespace vorlinde::working
