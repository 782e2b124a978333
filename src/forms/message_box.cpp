#include "forms/message_box.h"

#include <QMessageBox>

#include "core/runtime_error.h"

namespace vorlinde {

void messageBox(QWidget* parent, const QString& prompt) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kAppTitle), prompt, QMessageBox::Ok,
                  parent);
  box.setObjectName("MsgBox");
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void reportRuntimeError(QWidget* parent, const RuntimeError& error) {
  messageBox(parent, QString::fromUtf8(error.what()));
}

}  // namespace vorlinde
