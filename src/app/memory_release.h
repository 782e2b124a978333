#pragma once

#include <QObject>
#include <QTimer>

namespace vorlinde {

// Building and first painting a window allocates and frees much that is never
// needed again (layouts, shaped text, decoded pictures); the C library keeps the
// freed pages. A moment after a window is shown, when the program is idle, they
// are handed back to the system.
class MemoryRelease : public QObject {
 public:
  explicit MemoryRelease(QObject* watched);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer release_;
};

}  // namespace vorlinde
