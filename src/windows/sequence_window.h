#pragma once

#include <initializer_list>
#include <string_view>

#include "forms/form.h"

namespace vorlinde {

// The sequence window: the arithmetic sequence (top), the geometric sequence
// (middle) and the seven special series (bottom), each panel with its own boxes,
// "计 算" button and result labels.
class SequenceWindow : public Form {
 public:
  explicit SequenceWindow(FormRegistry& registry);

 protected:
  void connectHandlers() override;

 private:
  void arithmeticClicked();
  void geometricClicked();
  void specialSeriesClicked();
};

}  // namespace vorlinde
