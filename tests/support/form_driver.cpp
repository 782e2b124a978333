#include "support/form_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include "core/runtime_error.h"
#include "forms/message_box.h"

namespace vorlinde::test {
namespace {

// Lays the label's text out at its width, wrapping where the label wraps, and
// sees every line fit.
bool showsWhole(const QLabel* label) {
  QTextLayout layout(label->text().replace('\n', QChar::LineSeparator), label->font());
  QTextOption option;
  option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
  layout.setTextOption(option);
  const QRect room = label->contentsRect();
  qreal height = 0;
  bool fits = true;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(room.width());
    fits = fits && line.naturalTextWidth() <= room.width();
    height += line.height();
  }
  layout.endLayout();
  return fits && height <= room.height() + 0.5;
}

ShownBox shownBox(const QMessageBox* box) {
  const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
  // A fractional scale rounds the screen's size in logical pixels: a pixel more.
  const QRect screen = box->screen()->availableGeometry().adjusted(-1, -1, 1, 1);
  ShownBox shown{box->windowTitle(),
                 box->text().remove(kPromptWrap),
                 box->icon() != QMessageBox::NoIcon,
                 int(box->buttons().size()),
                 box->buttons().value(0)->text(),
                 box->windowFlags(),
                 box->width()};
  if (box->defaultButton()) shown.defaultButton = box->defaultButton()->text();
  shown.whole = showsWhole(label) && box->rect().contains(label->geometry()) &&
                screen.contains(box->frameGeometry());
  return shown;
}

}  // namespace

std::vector<ShownBox> answering(const std::function<void()>& action, const QString& choose) {
  std::vector<ShownBox> shown;
  // A modal box runs its own event loop; this timer answers it from inside.
  QTimer answer;
  answer.setInterval(1);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    shown.push_back(shownBox(box));
    QAbstractButton* chosen = box->button(QMessageBox::Ok);
    for (QAbstractButton* b : box->buttons())
      if (!choose.isEmpty() && b->text() == choose) chosen = b;
    if (chosen)
      chosen->click();
    else
      QTest::keyClick(box, Qt::Key_Escape);
  });
  answer.start();
  action();
  answer.stop();
  return shown;
}

std::vector<ShownBox> click(QPushButton* button) {
  if (!button) return {};
  EXPECT_TRUE(button->isVisible() && button->isEnabled())
      << button->objectName().toStdString() << " cannot be clicked";
  return answering([button] { QTest::mouseClick(button, Qt::LeftButton); });
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
