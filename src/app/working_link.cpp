#include "app/working_link.h"

#include "windows/tool_window.h"
#include "working/working_window.h"
#include "working/workings.h"

namespace vorlinde {

WorkingConnection::WorkingConnection() {
  setWorkingLink({[this](Calculation c) { workings().record(std::move(c)); },
                  [this](QWidget* asking) { workings().show(asking); }});
}

WorkingConnection::~WorkingConnection() {
  setWorkingLink({});
  if (workings_) workings_->flush();
}

Workings& WorkingConnection::workings() {
  if (!workings_) workings_ = std::make_unique<Workings>();
  return *workings_;
}

}  // namespace vorlinde
