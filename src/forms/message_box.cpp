#include "forms/message_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "core/runtime_error.h"

namespace vorlinde {
namespace {

// Pixels the prompt takes at least: room for the title "Vorlinde" and the title
// bar's close button under any window manager's font.
constexpr int kMinimumWidth = 200;

}  // namespace

void messageBox(QWidget* parent, const QString& prompt) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), prompt, QMessageBox::Ok,
                  parent);
  box.setObjectName("MsgBox");
  box.setTextFormat(Qt::PlainText);
  // A dialog with only a close button in its title bar, wide enough that the title shows whole.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  if (auto* text = box.findChild<QLabel*>("qt_msgbox_label")) text->setMinimumWidth(kMinimumWidth);
  box.exec();
}

bool askQuestion(QWidget* parent, const QString& prompt, const QString& accept,
                 const QString& reject) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), prompt, QMessageBox::NoButton,
                  parent);
  box.setObjectName("MsgBox");
  box.setTextFormat(Qt::PlainText);
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
