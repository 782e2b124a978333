#include "forms/widgets.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include "forms/caption_wrap.h"

namespace vorlinde {

QString copiedResult(const QString& shown) {
  const qsizetype prefix = std::max(shown.lastIndexOf(QChar(0xFF1A)), shown.lastIndexOf('='));
  return (prefix < 0 ? shown : shown.mid(prefix + 1)).trimmed();
}

void FormLabel::makeSelectable() {
  selectable_ = true;
  setFocusPolicy(Qt::ClickFocus);
}

void FormLabel::copy() const {
  QGuiApplication::clipboard()->setText(copiedResult(text()));
}

// The menu is made when asked for, not kept: a window has dozens of results.
void FormLabel::contextMenuEvent(QContextMenuEvent* event) {
  if (!selectable_) return QLabel::contextMenuEvent(event);
  QMenu menu(this);
  QAction* copying = menu.addAction(QStringLiteral("复制"), this, &FormLabel::copy);
  copying->setShortcut(QKeySequence::Copy);
  copying->setShortcutContext(Qt::WidgetShortcut);
  menu.addActions(actions());
  menu.exec(event->globalPos());
}

void FormLabel::keyPressEvent(QKeyEvent* event) {
  if (selectable_ && event->matches(QKeySequence::Copy)) return copy();
  QLabel::keyPressEvent(event);
}

// The selection shows as the highlight, so focus changes repaint.
void FormLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  update();
}

void FormLabel::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  update();
}

void FormLabel::paintEvent(QPaintEvent* event) {
  if (!wordWrap()) return QLabel::paintEvent(event);
  QPainter painter(this);
  const bool selected = selectable_ && hasFocus() && !text().isEmpty();
  if (selected) painter.fillRect(rect(), palette().color(QPalette::Highlight));
  painter.setPen(selected ? palette().color(QPalette::HighlightedText)
                          : palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                            foregroundRole()));
  const QFontMetrics metrics(font());
  int top = 0;
  for (const QString& line : wrapCaption(text(), metrics, width(), selectable_)) {
    if (top >= height()) break;
    painter.drawText(QRect(0, top, width(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
    top += metrics.lineSpacing();
  }
}

void makeCopyable(QListWidget* list) {
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(QStringLiteral("复制"), list);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, list, [list] {
    if (QListWidgetItem* item = list->currentItem())
      QGuiApplication::clipboard()->setText(item->text().simplified());
  });
  list->addAction(copy);
}

void FormFrame::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  // Below the title, as the style places it: a grey line with its corner pixels
  // left out, a darker ring inside it, and a faint fill.
  constexpr int kGap = 3;
  const int titleHeight =
      title().isEmpty()
          ? 0
          : std::max(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this),
                     fontMetrics().height());
  const QRect line = rect().adjusted(1, titleHeight + kGap + 1, 0, 0);
  const QColor grey(0x75, 0x75, 0x75, 0x32);
  painter.fillRect(line.left() + 1, line.top(), line.width() - 2, 1, grey);
  painter.fillRect(line.left() + 1, line.bottom(), line.width() - 2, 1, grey);
  painter.fillRect(line.left(), line.top() + 1, 1, line.height() - 2, grey);
  painter.fillRect(line.right(), line.top() + 1, 1, line.height() - 2, grey);
  const QRect ring = line.adjusted(1, 1, -1, -1);
  const QColor shade(0, 0, 0, 6);
  painter.fillRect(ring.left(), ring.top(), ring.width(), 1, shade);
  painter.fillRect(ring.left(), ring.bottom(), ring.width(), 1, shade);
  painter.fillRect(ring.left(), ring.top() + 1, 1, ring.height() - 2, shade);
  painter.fillRect(ring.right(), ring.top() + 1, 1, ring.height() - 2, shade);
  painter.fillRect(ring.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 3));
  option.subControls &= ~QStyle::SC_GroupBoxFrame;
  painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace vorlinde
