#include "forms/result_fit.h"

#include <QLabel>
#include <QVariant>
#include <algorithm>

#include "forms/caption_wrap.h"
#include "forms/control_factory.h"
#include "forms/control_table.h"
#include "forms/widgets.h"

namespace vorlinde {
namespace {

constexpr int kGap = 4;     // pixels kept free between a grown label and what it meets
constexpr int kMargin = 8;  // pixels kept inside a frame or window that grows

QRect tablePlace(const QWidget* w) {
  const QRect t = w->property(kTwipsProperty).toRect();
  return QRect(toPixels(t.x()), toPixels(t.y()), toPixels(t.width()), toPixels(t.height()));
}

bool shown(const QWidget* w, const QWidget* window) {
  return w->isVisibleTo(window);
}

// The controls beside w in its container that show.
std::vector<QWidget*> siblings(QWidget* w, const QWidget* window) {
  std::vector<QWidget*> found;
  for (QObject* o : w->parentWidget()->children()) {
    auto* s = qobject_cast<QWidget*>(o);
    if (s && s != w && !s->isWindow() && s->property(kTwipsProperty).isValid() && shown(s, window))
      found.push_back(s);
  }
  return found;
}

// Whether two boxes share more than the pixel row that the forms' tables let
// neighbouring rows share.
bool overlap(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.width() > 0 && both.height() > 1;
}

// The first control in the way of the rectangle, leftmost first.
QWidget* obstacle(QWidget* w, const QRect& r, const QWidget* window) {
  QWidget* first = nullptr;
  for (QWidget* s : siblings(w, window))
    if (overlap(footprint(s), r) && (!first || s->x() < first->x())) first = s;
  return first;
}

class Fitter {
 public:
  Fitter(QWidget* window, QSize client) : window_(window), client_(client) {}

  void fit(QLabel* label) {
    const QFontMetrics metrics(label->font());
    const int lineHeight = metrics.height();
    QRect wide = label->geometry();
    wide.setWidth(std::max(wide.width(), metrics.horizontalAdvance(label->text()) + 1));
    wide.setHeight(std::max(wide.height(), lineHeight));
    if (!obstacle(label, wide.adjusted(0, 0, kGap, 0), window_)) return place(label, wide);
    if (wrapBelow(label, metrics)) return;
    QWidget* first = obstacle(label, wide.adjusted(0, 0, kGap, 0), window_);
    moveOver(label, first->x(), wide.right() + 1 + kGap - first->x(), wide);
    place(label, wide);
  }

  QSize client() const { return client_; }

 private:
  // Taller: the caption in lines no wider than the free room on its right, where
  // the rows below the label are free as well.
  bool wrapBelow(QLabel* label, const QFontMetrics& metrics) {
    const QRect box = label->geometry();
    QRect room = box;
    room.setRight(label->parentWidget()->width() - 1);
    if (QWidget* first = obstacle(label, room, window_)) room.setRight(first->x() - 1 - kGap);
    const QStringList lines = resultLines(label, room.width());
    int width = box.width();
    for (const QString& line : lines)
      width = std::max(width, metrics.horizontalAdvance(line) + 1);
    const int height = (int(lines.size()) - 1) * metrics.lineSpacing() + metrics.height();
    const QRect tall(box.topLeft(), QSize(width, std::max(box.height(), height)));
    if (lines.size() < 2 || width > room.width() || obstacle(label, tall, window_) ||
        tall.bottom() >= label->parentWidget()->height())
      return false;
    label->setGeometry(tall);
    return true;
  }

  // Every control standing in the rows of r at or right of x moves right by dx.
  void moveOver(QWidget* w, int x, int dx, const QRect& r) {
    const QRect rows(x, r.y(), 1 << 20, r.height());
    for (QWidget* s : siblings(w, window_))
      if (s->x() >= x && overlap(s->geometry(), rows)) s->move(s->x() + dx, s->y());
    for (QWidget* s : siblings(w, window_))
      holdInside(s);
  }

  void place(QWidget* w, const QRect& r) {
    w->setGeometry(r);
    holdInside(w);
  }

  // The containers of w grow until w lies inside them, the window last.
  void holdInside(QWidget* w) {
    QWidget* parent = w->parentWidget();
    const QRect g = w->geometry();
    if (parent == window_) {
      client_ = client_.expandedTo(QSize(g.right() + 1 + kMargin, g.bottom() + 1 + kMargin));
      return;
    }
    const int right = g.right() + 1 + kMargin, bottom = g.bottom() + 1 + kMargin;
    if (right <= parent->width() && bottom <= parent->height()) return;
    const QRect before = parent->geometry();
    QRect grown = before;
    grown.setWidth(std::max(before.width(), right));
    grown.setHeight(std::max(before.height(), bottom));
    if (grown.width() > before.width())
      moveOver(parent, before.right() + 1, grown.width() - before.width(), before);
    parent->setGeometry(grown);
    holdInside(parent);
  }

  QWidget* window_;
  QSize client_;
};

}  // namespace

namespace {

// The size of a label's caption as it is drawn at the label's width; kept on the
// label, since most captions never change and a click looks at every one.
QSize textSize(const QLabel* label) {
  const QString key = label->text() + QChar(0x1F) + QString::number(label->width());
  if (label->property("textSizeKey").toString() == key) return label->property("textSize").toSize();
  const QFontMetrics metrics = label->fontMetrics();
  auto* formLabel = dynamic_cast<const FormLabel*>(label);
  const bool result = formLabel && formLabel->isResult();
  const QStringList lines = label->wordWrap()
                                ? wrapCaption(label->text(), metrics, label->width(), result)
                                : QStringList{label->text()};
  int width = 0;
  for (const QString& line : lines)
    width = std::max(width, metrics.horizontalAdvance(line));
  const QSize size(width, (int(lines.size()) - 1) * metrics.lineSpacing() + metrics.height());
  auto* writable = const_cast<QLabel*>(label);
  writable->setProperty("textSizeKey", key);
  writable->setProperty("textSize", size);
  return size;
}

}  // namespace

QRect footprint(const QWidget* w) {
  auto* label = qobject_cast<const QLabel*>(w);
  if (!label || label->autoFillBackground() || !label->pixmap().isNull()) return w->geometry();
  if (label->text().isEmpty()) return {};
  const QSize text = textSize(label);
  return QRect(w->pos(),
               QSize(std::min(text.width(), w->width()), std::min(text.height(), w->height())));
}

QStringList resultLines(const QLabel* label, int width) {
  return wrapCaption(label->text(), QFontMetrics(label->font()), width, true);
}

// True when the label shows its whole caption in its place, clear of its neighbours
// by the gap a grown label keeps: text that fits its box may still end against the
// caption after it.
bool showsWhole(QLabel* label, const QWidget* window) {
  if (obstacle(label, footprint(label).adjusted(0, 0, kGap, 0), window)) return false;
  if (!label->wordWrap()) return true;
  const QFontMetrics metrics(label->font());
  const QStringList lines = resultLines(label, label->width());
  for (const QString& line : lines)
    if (metrics.horizontalAdvance(line) > label->width()) return false;
  return (lines.size() - 1) * metrics.lineSpacing() + metrics.height() <= label->height();
}

QSize fitResults(QWidget* window, const std::vector<QLabel*>& results, QSize client) {
  for (QWidget* w : window->findChildren<QWidget*>())
    if (w->property(kTwipsProperty).isValid()) w->setGeometry(tablePlace(w));
  Fitter fitter(window, client);
  for (QLabel* label : results) {
    const bool whole = label->text().isEmpty() || showsWhole(label, window);
    // The whole of a result too long for its place in the table shows on hovering too.
    label->setToolTip(whole ? QString() : label->text());
    if (!whole && shown(label, window)) fitter.fit(label);
  }
  return fitter.client();
}

}  // namespace vorlinde
