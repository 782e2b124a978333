#include "app/memory_release.h"

#include <QEvent>
#include <QWidget>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vorlinde {

MemoryRelease::MemoryRelease(QObject* watched) : QObject(watched) {
  release_.setSingleShot(true);
  release_.setInterval(500);
  connect(&release_, &QTimer::timeout, [] {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
  });
  watched->installEventFilter(this);
}

bool MemoryRelease::eventFilter(QObject* watched, QEvent* event) {
  // One release for windows opened together: the timer starts again with each.
  if (event->type() == QEvent::Show && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow())
    release_.start();
  return false;
}

}  // namespace vorlinde
