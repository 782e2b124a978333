#include "forms/message_box.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTextLayout>
#include <QTranslator>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/runtime_error.h"

namespace vorlinde {
namespace {

constexpr int kPromptEms = 30;
// Pixels the prompt takes at least: room for the title "Vorlinde" and the title
// bar's close button under any window manager's font.
constexpr int kMinimumWidth = 200;

// The lines of a text at the width, broken as the mode allows, each with whether
// it fits.
std::vector<std::pair<QString, bool>> layOut(const QString& text, const QFont& font, int width,
                                             QTextOption::WrapMode mode) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(mode);
  layout.setTextOption(option);
  std::vector<std::pair<QString, bool>> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines.emplace_back(text.mid(line.textStart(), line.textLength()),
                       line.naturalTextWidth() <= width);
  }
  layout.endLayout();
  return lines;
}

// The lines of one paragraph of a prompt: at word boundaries, and a word longer
// than the line anywhere (Qt's "word boundary or anywhere" keeps such a word whole
// when the line has other breaks).
QStringList paragraphLines(const QString& paragraph, const QFont& font, int width) {
  QStringList lines;
  for (const auto& [line, fits] : layOut(paragraph, font, width, QTextOption::WordWrap)) {
    if (fits) {
      lines << line;
      continue;
    }
    for (const auto& piece : layOut(line, font, width, QTextOption::WrapAnywhere))
      lines << piece.first;
  }
  return lines;
}

// A box without icon, titled as the program, whose prompt wraps at the prompt
// width. Qt's box sizes itself to the wrapped lines.
void prepare(QMessageBox& box, const QString& prompt) {
  box.setObjectName("MsgBox");
  box.setWindowTitle(QString::fromUtf8(kAppTitle));
  box.setIcon(QMessageBox::NoIcon);
  box.setTextFormat(Qt::PlainText);
  // A dialog with only a close button in its title bar.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  QLabel* text = box.findChild<QLabel*>("qt_msgbox_label");
  const QFont font = text ? text->font() : box.font();
  box.setText(wrapPrompt(prompt, font, promptWidth(font)));
  if (text) text->setMinimumWidth(std::max(kMinimumWidth, text->sizeHint().width()));
}

}  // namespace

QString wrapPrompt(const QString& prompt, const QFont& font, int width) {
  QStringList paragraphs = prompt.split('\n');
  for (QString& paragraph : paragraphs)
    paragraph = paragraphLines(paragraph, font, width).join(kPromptWrap);
  return paragraphs.join('\n');
}

int promptWidth(const QFont& font) {
  return kPromptEms * QFontMetrics(font).horizontalAdvance(QChar(0x6570));
}

void messageBox(QWidget* parent, const QString& prompt) {
  QMessageBox box(parent);
  prepare(box, prompt);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

bool askQuestion(QWidget* parent, const QString& prompt, const QString& accept,
                 const QString& reject) {
  QMessageBox box(parent);
  prepare(box, prompt);
  QPushButton* yes = box.addButton(accept, QMessageBox::AcceptRole);
  QPushButton* no = box.addButton(reject, QMessageBox::RejectRole);
  box.setDefaultButton(no);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

void useQtChineseTexts(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator);
  else
    delete translator;
}

void reportRuntimeError(QWidget* parent, const RuntimeError& error) {
  messageBox(parent, QString::fromUtf8(error.what()));
}

}  // namespace vorlinde
