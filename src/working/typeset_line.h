#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextCharFormat>
#include <memory>
#include <string_view>
#include <vector>

// One line of marked text (exact/notation.h) set as a textbook sets it, with
// every character of its plain text kept in order: the document's plain text
// stays the line's plain text, and the typeset form comes from the characters'
// formats alone. Syntax characters the typeset form makes unnecessary are kept
// but drawn transparent at zero width; a stacked fraction's numerator is raised
// and underlined (the underline is the fraction bar), its denominator lowered and
// pulled back under it by negative letter spacing; a radicand is overlined.
// Latin letters, digits, Greek and the signs of mathematics are set in a
// mathematical face, a marked variable's letters in its italic; the Chinese text
// keeps the line's own face. A
// fraction too wide to stack is set on the line, as its plain text writes it.

namespace vorlinde::working {

// The mathematical face, installed with the program (on Windows, beside it).
inline constexpr const char* kMathFace = "Linux Libertine O";

// The face for the mathematics of a line set in textFont, at its size and weight:
// the face named, or DejaVu Serif where that is not installed, never the Chinese
// face. Sized so that its capitals stand as tall as a Chinese face's Latin ones.
QFont mathFont(const QFont& textFont, const QString& face = kMathFace);

// A stretch of the line's plain text with the format it is drawn in.
struct Piece {
  QString text;
  QTextCharFormat format;
};

struct TypesetLine {
  std::vector<Piece> pieces;
  qreal lead = 0;   // room the line needs before its first character (a leading fraction's margin)
  qreal width = 0;  // the line's advance, lead included
  qreal above = 0;  // how far the line reaches above its baseline
  qreal below = 0;  // and below it
  bool stacked = false;  // holds a stacked fraction, which needs air above and below
  // Each stacked fraction's UTF-16 offsets in the plain text, which a line break
  // must not fall between, the room it needs before its first character when it
  // starts a line, and how far its hidden characters reach past its end.
  struct Stack {
    int from = 0, to = 0;
    qreal lead = 0, overhang = 0;
  };
  std::vector<Stack> stacks;
};

// Lays out lines of marked text in one font and colour.
class LineSetter {
 public:
  LineSetter(const QFont& font, const QColor& colour);
  ~LineSetter();
  LineSetter(LineSetter&&) noexcept;

  TypesetLine operator()(std::string_view markup) const;

  struct Metrics;

 private:
  std::unique_ptr<const Metrics> m_;
};

}  // namespace vorlinde::working
