#pragma once

#include <QIcon>
#include <map>
#include <memory>
#include <string>
#include <typeindex>

#include "forms/form.h"

namespace vorlinde {

// Owns the one instance of every window and ends the program when the main
// window's exit is pressed or the last loaded window is unloaded.
class FormRegistry {
 public:
  FormRegistry();
  ~FormRegistry();
  FormRegistry(const FormRegistry&) = delete;
  FormRegistry& operator=(const FormRegistry&) = delete;

  // The window's single instance, created on first use.
  template <class F>
  F& instance() {
    auto& slot = forms_[std::type_index(typeid(F))];
    if (!slot) slot = std::make_unique<F>(*this);
    return static_cast<F&>(*slot);
  }

  bool anyLoaded() const;
  // Unloads every window and leaves the event loop.
  void endApplication();
  bool ended() const { return ended_; }
  // Called by a window after it has unloaded.
  void windowUnloaded();
  // The window icon of that name; its pictures are decoded once, for all windows.
  const QIcon& windowIcon(const char* name);
  // The first window shown (the given one, when none was shown before it), which
  // the others first open beside; and how many have been placed beside it so far.
  Form* firstShown(Form* asking);
  int placedBeside() { return placedBeside_++; }

 private:
  std::map<std::string, QIcon, std::less<>> icons_;
  std::map<std::type_index, std::unique_ptr<Form>> forms_;
  bool ended_ = false;
  Form* firstShown_ = nullptr;
  int placedBeside_ = 0;
};

}  // namespace vorlinde
