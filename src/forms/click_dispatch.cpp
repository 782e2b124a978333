#include <QPushButton>

#include "core/runtime_error.h"
#include "forms/form.h"
#include "forms/message_box.h"

namespace vorlinde {

void Form::onClick(std::string_view name, std::function<void()> handler) {
  QPushButton* b = button(name);
  if (!b) return;
  QObject::connect(b, &QPushButton::clicked, window_, [this, handler = std::move(handler)] {
    try {
      handler();
    } catch (const RuntimeError& error) {
      reportRuntimeError(window_, error);
    }
  });
}

}  // namespace vorlinde
