#include "support/form_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "core/runtime_error.h"

namespace vorlinde::test {

std::vector<ShownBox> click(QPushButton* button) {
  std::vector<ShownBox> shown;
  if (!button) return shown;
  EXPECT_TRUE(button->isVisible() && button->isEnabled())
      << button->objectName().toStdString() << " cannot be clicked";
  // A modal box runs its own event loop; this timer answers it from inside.
  QTimer answer;
  answer.setInterval(1);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    shown.push_back({box->windowTitle(), box->text(), box->icon() != QMessageBox::NoIcon,
                     int(box->buttons().size()), box->buttons().value(0)->text(),
                     box->windowFlags(), box->width()});
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
  });
  answer.start();
  QTest::mouseClick(button, Qt::LeftButton);
  answer.stop();
  return shown;
}

std::vector<ShownBox> click(QWidget* window, const QString& button) {
  return click(find<QPushButton>(window, button));
}

QStringList promptsOf(const std::vector<ShownBox>& boxes) {
  QStringList prompts;
  for (const ShownBox& b : boxes)
    prompts << b.prompt;
  return prompts;
}

void type(QWidget* window, const QString& box, const QString& text) {
  if (auto* edit = find<QLineEdit>(window, box)) edit->setText(text);
}

QString caption(QWidget* window, const QString& label) {
  auto* l = find<QLabel>(window, label);
  return l ? l->text() : QString();
}

QString errorPrompt(int number) {
  return QString::fromStdString(vorlinde::errorPrompt(static_cast<ErrorCode>(number)));
}

void settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace vorlinde::test
