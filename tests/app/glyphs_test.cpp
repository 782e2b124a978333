#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "support/program.h"
#include "working/working_window.h"
#include "working/workings.h"

namespace vorlinde::test {
namespace {

// Whether Qt draws the character in the font as a glyph of some face, its
// fallback faces included, rather than as the box of a missing glyph.
bool hasGlyph(char32_t c, const QFont& font) {
  QTextLayout layout(QString::fromUcs4(&c, 1), font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  if (runs.isEmpty()) return false;
  for (const QGlyphRun& run : runs)
    if (run.glyphIndexes().contains(0)) return false;
  return true;
}

// The visible characters of the text that have no glyph, each with the face Qt chose.
QStringList missingGlyphs(const QString& text, const QFont& font) {
  QStringList missing;
  for (char32_t c : text.toUcs4()) {
    const auto category = QChar::category(c);
    if (QChar::isSpace(c) || category == QChar::Other_Control || category == QChar::Other_Format)
      continue;
    if (!hasGlyph(c, font)) missing << QString::fromUcs4(&c, 1) + " in " + QFontInfo(font).family();
  }
  missing.removeDuplicates();
  return missing;
}

// Every caption of the window: labels, buttons, frames, list entries, and the
// rich text of the working, fragment by fragment in its own font.
QStringList missingGlyphs(QWidget* window) {
  QStringList missing;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) missing << missingGlyphs(label->text(), w->font());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
      missing << missingGlyphs(button->text(), w->font());
    if (auto* frame = qobject_cast<QGroupBox*>(w))
      missing << missingGlyphs(frame->title(), w->font());
    if (auto* list = qobject_cast<QListWidget*>(w))
      for (int row = 0; row < list->count(); ++row)
        missing << missingGlyphs(list->item(row)->text(), list->item(row)->font());
    if (auto* edit = qobject_cast<QTextEdit*>(w))
      for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f)
          missing << missingGlyphs(f.fragment().text(), f.fragment().charFormat().font());
  }
  missing.removeDuplicates();
  return missing;
}

// The main window, the equation window and the working of x² − 3x + 1 = 0, with
// every character drawn: no box where the faces on this system lack a glyph.
TEST(Glyphs, EveryCaptionOfTheMainEquationAndWorkingWindowsIsDrawn) {
  Program program;
  QWidget* equations = program.enter(2);
  ASSERT_TRUE(equations);
  for (const auto& [box, text] : {std::pair{"Text1", "1"}, {"Text2", "-3"}, {"Text3", "1"}})
    type(equations, box, text);
  for (const char* button : {"Command1", "WorkingButton"})
    click(equations, button);
  settle();
  QWidget* working = program.working().workings().window();
  for (QWidget* window : {program.main().window(), equations, working}) {
    ASSERT_TRUE(window);
    EXPECT_EQ(missingGlyphs(window), QStringList()) << window->objectName().toStdString();
  }
}

}  // namespace
}  // namespace vorlinde::test
