#pragma once

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace vorlinde {

// Splits a caption into the lines a label of the given width shows, the way the
// forms' labels wrap: at blanks and between Chinese characters, never inside a
// number or a word (one longer than the line stands alone and is cut at the edge).
// A line breaks at its first blank; the blanks after it begin the next line, or
// make a blank line when what follows would not fit after them. A result may also
// break after an "=" that ends its prefix ("x1=" above its number).
QStringList wrapCaption(const QString& caption, const QFontMetrics& metrics, int width,
                        bool breakAfterEquals = false);

}  // namespace vorlinde
