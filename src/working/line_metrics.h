#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QTextCharFormat>
#include <algorithm>
#include <optional>

#include "working/typeset_line.h"

// The faces and measures a line is set with, for the typesetter alone.

namespace vorlinde::working {

// The faces of a line: the line's own for the Chinese text, the mathematical face
// for the rest, and its italic for a variable's letters.
enum Face { Text, Math, Italic, kFaces };

// The face a character of a line is set in: a variable's letters in the italic.
Face faceOf(char32_t c, bool variable);

// Sizes of the notation in one font, in pixels, each face's fonts and metrics, and
// the formats every piece starts from.
struct LineSetter::Metrics {
  Metrics(const QFont& base, const QColor& ink);

  // Loaded when first asked for: a line without a variable never loads the italic.
  const QFontMetricsF& metricsOf(int face, bool inSmall) const {
    std::optional<QFontMetricsF>& fm = fms[face][inSmall];
    if (!fm) fm.emplace(fonts[face][inSmall]);
    return *fm;
  }
  // The numerator's underline is drawn just below its baseline, where its face
  // puts it: each face's numerator is raised that much above the axis.
  qreal numeratorRaise(int face) const {
    return axis + std::ceil(metricsOf(face, false).underlinePos());
  }

  // A text's advance and how far its ink reaches above the baseline, from the
  // characters' own, each measured once: a working of a large system sets tens of
  // thousands of digits, and measuring every piece whole would shape each twice.
  qreal advance(const QString& text, int face, bool inSmall) const {
    qreal sum = 0;
    forEachCharacter(text, [&](char32_t c) { sum += measured(c, face, inSmall).advance; });
    return sum;
  }
  qreal inkTop(const QString& text, int face, bool inSmall) const {
    qreal top = 0;
    forEachCharacter(text,
                     [&](char32_t c) { top = std::max(top, measured(c, face, inSmall).top); });
    return top;
  }

  struct Measure {
    qreal advance, top;
  };
  template <class F>
  static void forEachCharacter(const QString& text, F f) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
      f(pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode()));
      i += pair ? 1 : 0;
    }
  }
  // Keyed by the character's code, which hashes far faster than a string of it.
  const Measure& measured(char32_t c, int face, bool inSmall) const {
    auto& cache = measures[face][inSmall];
    auto it = cache.find(c);
    if (it == cache.end()) {
      const QFontMetricsF& m = metricsOf(face, inSmall);
      const QString text = QString::fromUcs4(&c, 1);
      it = cache.insert(c, {m.horizontalAdvance(text), -m.tightBoundingRect(text).top()});
    }
    return *it;
  }

  mutable QHash<char32_t, Measure> measures[kFaces][2];
  mutable std::optional<QFontMetricsF> fms[kFaces][2];
  QFont fonts[kFaces][2];  // [face][small]
  QColor colour;
  QTextCharFormat formats[kFaces][2][2];  // [face][small][hidden]
  qreal em, axis, gap, margin, supRaise, subDrop;
};

}  // namespace vorlinde::working
