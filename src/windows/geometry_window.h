#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/arithmetic.h"
#include "forms/form.h"

namespace vorlinde {

// The geometry window: areas of plane figures in its upper frame, volumes of
// solids in its lower one, one "求 积" button per figure.
class GeometryWindow : public Form {
 public:
  explicit GeometryWindow(FormRegistry& registry);

  // One figure's row: the boxes it tests and then reads, in this order, the label
  // its result goes to, and the figure itself (no value: the measurements are refused).
  struct Row {
    const char* button;
    std::vector<const char*> boxes;
    const char* label;
    std::optional<Real> (*measure)(const std::vector<Real>& values);
  };

 protected:
  void connectHandlers() override;

 private:
  void compute(const Row& row);
};

}  // namespace vorlinde
