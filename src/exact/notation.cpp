#include "exact/notation.h"

#include <algorithm>
#include <memory>

namespace vorlinde::notation {
namespace {

constexpr std::string_view kFrac = "\uE000";
constexpr std::string_view kOver = "\uE001";
constexpr std::string_view kClose = "\uE002";
constexpr std::string_view kRoot = "\uE003";
constexpr std::string_view kSup = "\uE004";
constexpr std::string_view kSub = "\uE005";
constexpr std::string_view kVar = "\uE006";

// Decodes one UTF-8 character at text[i] and steps past it.
char32_t next(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (i + length > text.size()) length = 1;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k)
    c = (c << 6) | (byte(i + k) & 0x3F);
  i += length;
  return c;
}

void append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

constexpr std::u32string_view kOperators = U"+-−×÷/·=<>≤≥±≈ ";

// True when the text is more than one term: an operator outside parentheses after
// its first character (or anywhere, where a leading sign counts too). A root's
// parenthesised radicand is one term: "√(1×2)" needs no more parentheses.
bool compound(std::string_view text, bool signCounts) {
  std::size_t i = 0;
  int depth = 0;
  for (bool first = true; i < text.size(); first = false) {
    const char32_t c = next(text, i);
    if (c == U'(') ++depth;
    if (c == U')') --depth;
    if (depth == 0 && kOperators.find(c) != std::u32string_view::npos && (signCounts || !first))
      return true;
  }
  return false;
}

// Superscript and subscript characters, where Unicode has them.
constexpr std::u32string_view kPlainChars = U"0123456789+-−=()n";
constexpr std::u32string_view kSuperChars = U"⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻⁻⁼⁽⁾ⁿ";
constexpr std::u32string_view kSubPlain = U"0123456789+-−=()aeoxhklmnpstijruv";
constexpr std::u32string_view kSubChars = U"₀₁₂₃₄₅₆₇₈₉₊₋₋₌₍₎ₐₑₒₓₕₖₗₘₙₚₛₜᵢⱼᵣᵤᵥ";

// The text in the other alphabet, or nothing when a character has no counterpart.
bool convert(std::string_view text, std::u32string_view from, std::u32string_view to,
             std::string& out) {
  out.clear();
  if (text.empty()) return false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t at = from.find(next(text, i));
    if (at == std::u32string_view::npos) return false;
    append(out, to[at]);
  }
  return true;
}

struct Node {
  enum Kind { Text, Frac, Root, Sup, Sub, Var } kind = Text;
  std::string text;
  std::vector<Node> first, second;  // the fraction's numerator and denominator; else first
};

std::vector<Node> parse(std::string_view m, std::size_t& i, bool& atOver);

Node parseMarked(Node::Kind kind, std::string_view m, std::size_t& i) {
  Node node{kind};
  bool atOver = false;
  node.first = parse(m, i, atOver);
  if (atOver) node.second = parse(m, i, atOver);
  return node;
}

// A sequence up to its closing mark (or, for a numerator, the fraction's bar).
std::vector<Node> parse(std::string_view m, std::size_t& i, bool& atOver) {
  std::vector<Node> nodes;
  atOver = false;
  while (i < m.size()) {
    const std::string_view rest = m.substr(i);
    const auto mark = [&](std::string_view k) { return rest.starts_with(k); };
    if (mark(kClose) || mark(kOver)) {
      atOver = mark(kOver);
      i += kClose.size();
      return nodes;
    }
    if (mark(kFrac) || mark(kRoot) || mark(kSup) || mark(kSub) || mark(kVar)) {
      i += kFrac.size();
      nodes.push_back(parseMarked(mark(kFrac)   ? Node::Frac
                                  : mark(kRoot) ? Node::Root
                                  : mark(kSup)  ? Node::Sup
                                  : mark(kSub)  ? Node::Sub
                                                : Node::Var,
                                  m, i));
      continue;
    }
    const std::size_t start = i;
    next(m, i);
    if (nodes.empty() || nodes.back().kind != Node::Text) nodes.push_back({});
    nodes.back().text += m.substr(start, i - start);
  }
  return nodes;
}

struct Context {
  Place place = Place::Line;
  int fraction = -1;
  int underBars = 0;
  int shift = 0;
  bool variable = false;
};

class Renderer {
 public:
  std::vector<Run> runs;

  void render(const std::vector<Node>& nodes, const Context& at) {
    for (const Node& node : nodes)
      render(node, at);
  }

 private:
  void emit(std::string_view text, const Context& at, bool hidden = false, bool sign = false) {
    if (text.empty()) return;
    Run run{std::string(text), at.place, at.fraction, hidden, sign,
            at.underBars,      at.shift, at.variable};
    if (!runs.empty()) {
      Run& last = runs.back();
      Run probe = last;
      probe.text = run.text;
      if (probe == run) return void(last.text += text);
    }
    runs.push_back(std::move(run));
  }

  static std::string plainOf(const std::vector<Node>& nodes) {
    Renderer r;
    r.render(nodes, {});
    std::string text;
    for (const Run& run : r.runs)
      text += run.text;
    return text;
  }

  void wrapped(const std::vector<Node>& nodes, const Context& at, bool parens, bool hidden) {
    if (parens) emit("(", at, hidden);
    render(nodes, at);
    if (parens) emit(")", at, hidden);
  }

  void render(const Node& node, const Context& at) {
    switch (node.kind) {
      case Node::Text:
        return emit(node.text, at);
      case Node::Frac:
        return fraction(node, at);
      case Node::Root: {
        emit("√", at, false, true);
        Context under = at;
        ++under.underBars;
        return wrapped(node.first, under, compound(plainOf(node.first), true), true);
      }
      case Node::Sup:
      case Node::Sub:
        return script(node, at);
      case Node::Var: {
        Context inside = at;
        inside.variable = true;
        return render(node.first, inside);
      }
    }
  }

  // A numerator may lead with its sign ("-3/7"); a denominator's sign is bracketed ("1/(-2)").
  void fraction(const Node& node, const Context& at) {
    const bool numeratorParens = compound(plainOf(node.first), false);
    const bool denominatorParens = compound(plainOf(node.second), true);
    // Stacked only on the line itself: inside a fraction or an exponent it is written out.
    if (at.fraction >= 0 || at.shift != 0) {
      wrapped(node.first, at, numeratorParens, false);
      emit("/", at);
      return wrapped(node.second, at, denominatorParens, false);
    }
    Context numerator = at, denominator = at;
    numerator.fraction = denominator.fraction = fractions_++;
    numerator.place = Place::Numerator;
    denominator.place = Place::Denominator;
    wrapped(node.first, numerator, numeratorParens, true);
    Context bar = at;
    bar.fraction = numerator.fraction;
    emit("/", bar, true);
    wrapped(node.second, denominator, denominatorParens, true);
  }

  // Written in superscript or subscript characters where each has one, the
  // variables among them still marked ("qⁿ⁻¹" with n a variable).
  void script(const Node& node, const Context& at) {
    const bool up = node.kind == Node::Sup;
    const std::string text = plainOf(node.first);
    const std::u32string_view from = up ? kPlainChars : kSubPlain,
                              to = up ? kSuperChars : kSubChars;
    std::string converted;
    if (convert(text, from, to, converted)) {
      Renderer inside;
      inside.render(node.first, at);
      for (const Run& run : inside.runs) {
        Context variable = at;
        variable.variable = run.variable;
        convert(run.text, from, to, converted);
        emit(converted, variable);
      }
      return;
    }
    emit(up ? "^" : "_", at, true);
    Context shifted = at;
    shifted.shift += up ? 1 : -1;
    wrapped(node.first, shifted, compound(text, true), true);
  }

  int fractions_ = 0;
};

std::string marked(std::string_view mark, std::string_view inside) {
  std::string out(mark);
  out += inside;
  out += kClose;
  return out;
}

}  // namespace

std::string frac(std::string_view numerator, std::string_view denominator) {
  std::string out(kFrac);
  out += numerator;
  out += kOver;
  out += denominator;
  out += kClose;
  return out;
}

std::string root(std::string_view radicand) {
  return marked(kRoot, radicand);
}
std::string sup(std::string_view exponent) {
  return marked(kSup, exponent);
}
std::string sub(std::string_view index) {
  return marked(kSub, index);
}
std::string var(std::string_view name) {
  return marked(kVar, name);
}

namespace {

bool letter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
         (c >= U'α' && c <= U'ω' && c != U'π') || c == U'ⁿ' || (c >= U'ₐ' && c <= U'ₜ') ||
         (c >= 0x1D2C && c <= 0x1D6A);
}

}  // namespace

std::string formula(std::string_view markup) {
  static constexpr std::string_view kFunctions[] = {"sin", "cos", "tan", "cot",
                                                    "sec", "csc", "ln",  "lg"};
  std::string out;
  for (std::size_t i = 0; i < markup.size();) {
    std::size_t start = i, end = i;
    while (end < markup.size()) {
      std::size_t at = end;
      if (!letter(next(markup, at))) break;
      end = at;
    }
    if (end == start) {
      next(markup, i);
      out += markup.substr(start, i - start);
      continue;
    }
    const std::string_view word = markup.substr(start, end - start);
    const bool function =
        std::find(std::begin(kFunctions), std::end(kFunctions), word) != std::end(kFunctions);
    out += function ? std::string(word) : var(word);
    i = end;
  }
  return out;
}

std::string literal(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t c = next(text, i);
    if (c < 0xE000 || c > 0xE006) out += text.substr(start, i - start);
  }
  return out;
}

std::vector<Run> runs(std::string_view markup) {
  std::size_t i = 0;
  bool atOver = false;
  std::vector<Node> nodes;
  while (i < markup.size()) {
    // A stray closing mark ends nothing: the rest of the line goes on.
    std::vector<Node> part = parse(markup, i, atOver);
    nodes.insert(nodes.end(), part.begin(), part.end());
  }
  Renderer r;
  r.render(nodes, {});
  return r.runs;
}

std::string plain(std::string_view markup) {
  std::string text;
  for (const Run& run : runs(markup))
    text += run.text;
  return text;
}

}  // namespace vorlinde::notation
