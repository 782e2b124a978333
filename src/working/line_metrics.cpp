#include "working/line_metrics.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <cmath>

#include "forms/control_factory.h"

namespace vorlinde::working {
namespace {

QFont smaller(QFont font) {
  const int em = font.pixelSize() > 0 ? font.pixelSize() : QFontMetricsF(font).height();
  font.setPixelSize(std::max(6, int(std::lround(em * 0.7))));
  return font;
}

QTextCharFormat fontFormat(const QFont& font, const QColor& colour) {
  QTextCharFormat format;
  format.setFont(font, QTextCharFormat::FontPropertiesAll);
  format.setForeground(colour);
  return format;
}

bool letter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= 0x370 && c <= 0x3FF) ||
         c == U'ⁿ' || (c >= 0x2090 && c <= 0x209C) || (c >= 0x1D62 && c <= 0x1D65) || c == U'ⱼ';
}

// Windows has no Linux Libertine: it ships in a folder beside the program, read
// when the first working is set rather than at start-up.
void useShippedMathFace() {
#ifdef Q_OS_WIN
  static const int loaded =
      loadFacesIfMissing({kMathFace}, QCoreApplication::applicationDirPath() + "/fonts/math");
  (void)loaded;
#endif
}

}  // namespace

QFont mathFont(const QFont& textFont, const QString& face) {
  useShippedMathFace();
  // The cap height of a Chinese face's Latin letters, in ems.
  constexpr qreal kCapHeight = 0.7;
  QFont font = textFont;
  font.setFamilies({face, "DejaVu Serif"});
  font.setStyleHint(QFont::Serif);
  const qreal em =
      textFont.pixelSize() > 0 ? textFont.pixelSize() : QFontInfo(textFont).pixelSize();
  font.setPixelSize(int(std::lround(em)));
  const qreal cap = QFontMetricsF(font).capHeight() / em;
  if (cap > 0) font.setPixelSize(int(std::lround(em * std::clamp(kCapHeight / cap, 0.9, 1.2))));
  return font;
}

// Chinese characters and punctuation, full-width forms, the quotation marks of
// Chinese text and the circled equation numbers are the line's own face's.
Face faceOf(char32_t c, bool variable) {
  if (c >= 0x2E80 || (c >= 0x2018 && c <= 0x201F) || (c >= 0x2460 && c <= 0x24FF)) return Text;
  return variable && letter(c) ? Italic : Math;
}

LineSetter::Metrics::Metrics(const QFont& base, const QColor& ink) : colour(ink) {
  const QFont math = mathFont(base);
  QFont italic = math;
  italic.setItalic(true);
  fonts[Text][0] = base;
  fonts[Math][0] = math;
  fonts[Italic][0] = italic;
  for (int face = 0; face < kFaces; ++face) {
    fonts[face][1] = smaller(fonts[face][0]);
    for (bool inSmall : {false, true})
      for (bool hidden : {false, true})
        formats[face][inSmall][hidden] =
            fontFormat(fonts[face][inSmall], hidden ? QColor(Qt::transparent) : colour);
  }
  const QFontMetricsF& fm = metricsOf(Text, false);
  em = base.pixelSize() > 0 ? base.pixelSize() : fm.height();
  // The fraction bar stands at the height of the minus sign, the middle of a
  // CJK font's em box.
  axis = std::round(em * 0.44);
  gap = std::max(2.0, std::round(em * 0.12));
  margin = std::max(2.0, std::round(em * 0.12));
  supRaise = std::round(em * 0.4);
  subDrop = std::round(em * 0.2);
}

}  // namespace vorlinde::working
