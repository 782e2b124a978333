#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <set>

#include "forms/message_box.h"
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

// Every message the program can show reads whole (the driver lays each box's
// prompt out at its label's width) and no wider than about thirty characters.
// Inputs that make a panel show a message of its own: the texts of the boxes it
// reads, in order. The grid's "确定" with 2 shows none.
const std::pair<PanelId, const char*> kProvoked[] = {
    {PanelId::Factorization, "40000"},
    {PanelId::Factorial, "171"},
    {PanelId::Factorial, "40000"},
    {PanelId::DivisorAndMultiple, "40000 1"},
    {PanelId::Power, "-8 0.5"},
    {PanelId::Power, "0 -1"},
    {PanelId::Power, "10 400"},
    {PanelId::RootAndLogarithm, "-4"},
    {PanelId::RootAndLogarithm, "0"},
    {PanelId::Trigonometry, "1E-308"},
    {PanelId::Trigonometry, "1a"},
    {PanelId::Quadratic, "0 0 5"},
    {PanelId::Quadratic, "1E300 1E300 1E300"},
    {PanelId::TwoUnknowns, "1 1 1 1 1 2"},
    {PanelId::TwoUnknowns, "1E300 1 1 1 1E300 1"},
    {PanelId::GridCount, "11"},
    {PanelId::GridCount, "0"},
    {PanelId::GridCount, "40000"},
    {PanelId::GridCount, "abc"},
    {PanelId::GridCount, "2"},
    {PanelId::LinearSystem, "1 2 2 4"},
    {PanelId::LinearSystem, "1E308 1E308 -1E308 1E308"},
    {PanelId::SpecialSeries, "100000"},
    {PanelId::GeometricSequence, "1 2 40000"},
    {PanelId::GeometricSequence, "2 10 32767"},
    {PanelId::ArithmeticSequence, "1 2 40000"},
    {PanelId::ArithmeticSequence, "1E308 1E308 32767"},
    {PanelId::Triangle, "1E200 1E200"},
    {PanelId::Cylinder, "1E200 1"},
};

void expectWhole(const std::vector<ShownBox>& boxes) {
  for (const ShownBox& box : boxes)
    EXPECT_TRUE(box.whole && box.width <= 420) << box.width << " " << box.prompt.toStdString();
}

TEST(Messages, EveryErrorGuardAndGridMessageReadsWhole) {
  Program program;
  std::set<QString> seen;  // by panel
  for (const auto& [id, texts] : kProvoked) {
    const PanelEntry& panel = vorlinde::panel(id);
    QWidget* window = program.enter(int(panel.window) + 1);
    const QStringList words = QString(texts).split(' ');
    for (int k = 0; k < words.size(); ++k)
      type(window, QString::fromStdString(panel.boxes[std::size_t(k)]), words[k]);
    const std::vector<ShownBox> boxes = click(window, QString::fromStdString(panel.button));
    expectWhole(boxes);
    for (const ShownBox& box : boxes)
      EXPECT_TRUE(seen.insert(QString::fromUtf8(panel.key) + texts + box.prompt).second)
          << panel.key << " " << texts;
  }
  EXPECT_EQ(seen.size(), std::size(kProvoked) - 1);
}

TEST(Messages, TheWorkingsWarningsAndQuestionsReadWhole) {
  Program program;
  click(program.enter(2), "WorkingButton");
  WorkingWindow* working = program.working().workings().window();
  // The print module is not beside the tests; the folder's name has no break in it.
  const std::vector<ShownBox> print = click(working, "WorkingPrint");
  const QString nowhere = QTemporaryDir().filePath(QString(80, 'x') + "/解题过程.pdf");
  const std::vector<ShownBox> pdf = answering([&] { working->writePdf(nowhere); });
  EXPECT_TRUE(print.at(0).prompt.startsWith("未能载入打印支持"));
  EXPECT_EQ(pdf.at(0).prompt, "无法写入文件：\n" + QDir::toNativeSeparators(nowhere));
  // The question of "清空", at its longest; what it does is the working window's test.
  const std::vector<ShownBox> asked =
      answering([&] { askQuestion(working, "清空全部 500 条历史记录？", "清空", "取消"); });
  for (const auto& boxes : {print, pdf, asked}) {
    EXPECT_EQ(boxes.size(), 1u);
    expectWhole(boxes);
  }
}

}  // namespace
}  // namespace vorlinde::test
