#pragma once

#include <QFont>

#include "steps/working.h"

class QTextDocument;

namespace vorlinde::working {

// The working's font: a CJK face, larger than the tool windows' so that stacked
// fractions and exponents stay legible.
QFont workingFont(int pixelSize = 16);
// The figure's labels and caption, drawn as plain text: their letters and digits
// in the mathematical face, so that "l = 5" never reads "1 = 5", their Chinese in
// the working's face.
QFont figureFont(int pixelSize);

// Replaces the document's content with the working, one block a line, laid out
// by a WorkingLayout (working/working_layout.h). The document's plain text is the
// working's plain text, character for character, unless a page width is given:
// on paper, a table too wide for the page even at its smallest scale is cut into
// blocks of columns.
void typesetWorking(QTextDocument& document, const steps::Working& working, const QFont& font,
                    qreal pageWidth = 0);

}  // namespace vorlinde::working
