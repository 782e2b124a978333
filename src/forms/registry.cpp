#include "forms/registry.h"

#include <QCoreApplication>

#include "forms/control_factory.h"

namespace vorlinde {

FormRegistry::FormRegistry() = default;

FormRegistry::~FormRegistry() {
  ended_ = true;
  forms_.clear();
}

const QIcon& FormRegistry::windowIcon(const char* name) {
  auto it = icons_.find(std::string_view(name));
  if (it == icons_.end()) it = icons_.emplace(name, readWindowIcon(name)).first;
  return it->second;
}

Form* FormRegistry::firstShown(Form* asking) {
  if (!firstShown_) firstShown_ = asking;
  return firstShown_;
}

bool FormRegistry::anyLoaded() const {
  for (const auto& [type, form] : forms_)
    if (form->isLoaded()) return true;
  return false;
}

void FormRegistry::windowUnloaded() {
  if (!ended_ && !anyLoaded()) endApplication();
}

void FormRegistry::endApplication() {
  ended_ = true;
  for (auto& [type, form] : forms_)
    form->unload();
  QCoreApplication::quit();
}

}  // namespace vorlinde
