#include <QPushButton>

#include "core/runtime_error.h"
#include "forms/form.h"
#include "forms/message_box.h"

namespace vorlinde {

void Form::onClick(std::string_view name, std::function<void()> handler) {
  QPushButton* b = button(name);
  if (!b) return;
  QObject::connect(b, &QPushButton::clicked, window_, [this, handler = std::move(handler)] {
    inClick_ = true;
    written_.clear();
    clickMessage_.clear();
    try {
      handler();
    } catch (const RuntimeError& error) {
      inClick_ = false;
      relayout();
      return reportRuntimeError(window_, error);
    }
    inClick_ = false;
    relayout();
  });
}

}  // namespace vorlinde
