#include "forms/caption_wrap.h"

namespace vorlinde {
namespace {

bool isClosingMark(QChar ch) {
  return QStringLiteral("：，。、！？）；」』》…”’").contains(ch);
}
bool isOpeningMark(QChar ch) {
  return QStringLiteral("（「『《“‘").contains(ch);
}

// Chinese characters may break on either side, but a closing mark stays with
// what it closes and an opening mark with what it opens.
}  // namespace

QStringList wrapCaption(const QString& caption, const QFontMetrics& metrics, int width,
                        bool breakAfterEquals) {
  QStringList lines;
  for (const QString& paragraph : caption.split('\n')) {
    QString line, blanks, word;
    bool atStart = true;  // at the start of the caption's paragraph, blanks count
    auto place = [&](const QString& piece) {
      QString candidate = line + blanks + piece;
      if ((line.isEmpty() && atStart) || metrics.horizontalAdvance(candidate) <= width) {
        line = candidate;
      } else {
        // The line breaks at the first blank; further blanks start the next
        // line, or stand on a line of their own when the piece would not fit
        // after them. Subscript labels such as "1  2" rely on that blank line.
        lines << line;
        QString rest = blanks.mid(1);
        if (!rest.isEmpty() && metrics.horizontalAdvance(rest + piece) > width) {
          lines << rest;
          rest.clear();
        }
        line = rest + piece;
      }
      blanks.clear();
      atStart = false;
    };
    bool wideWord = false, glueNext = false;
    auto flush = [&] {
      if (!word.isEmpty()) place(word);
      word.clear();
    };
    for (QChar ch : paragraph) {
      if (ch == ' ') {
        flush();
        blanks += ch;
        continue;
      }
      // Chinese characters may break on either side, but a closing mark stays
      // with what it closes and an opening mark with what it opens.
      const bool wide = ch.unicode() >= 0x2000;
      if (!(glueNext || isClosingMark(ch)) && (wide || wideWord)) flush();
      if (word.isEmpty()) wideWord = wide;
      word += ch;
      glueNext = isOpeningMark(ch);
      if (breakAfterEquals && ch == '=') flush();
    }
    if (!word.isEmpty()) place(word);
    if (atStart) line = blanks;
    lines << line;
  }
  return lines;
}

}  // namespace vorlinde
