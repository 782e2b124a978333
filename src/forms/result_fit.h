#pragma once

#include <QRect>
#include <QSize>
#include <QStringList>
#include <vector>

class QLabel;
class QWidget;

namespace vorlinde {

// Places a window's controls at their table places again, then gives each result
// label that cannot show its whole caption there the room it needs, in this
// order: wider into free space on its right; taller, its caption broken at
// blanks and after its prefix, where there is room below; else wider, with the
// controls standing in its rows to its right moved over by what it lacks. Frames
// and the window grow to hold what they contain. Returns the client size the
// window needs, never below the given one.
QSize fitResults(QWidget* window, const std::vector<QLabel*>& results, QSize client);

// The lines a result label shows its caption in at the given width: broken at
// blanks, between Chinese characters, and after a prefix that ends in "=".
QStringList resultLines(const QLabel* label, int width);

// What a control covers on screen: a label without a background of its own only
// the lines of its caption; any other control its whole box.
QRect footprint(const QWidget* w);

}  // namespace vorlinde
