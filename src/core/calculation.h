#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "core/panels.h"

namespace vorlinde {

// One click of a compute button, as the working and the history keep it: what the
// window read and what it showed. Everything else is computed again from this.
struct Calculation {
  PanelId panel = PanelId::Factorization;
  // The texts of the boxes the click read, as typed, in the panel's order; the
  // grid's are its laid-out rows, each row's coefficients and then its right-hand side.
  std::vector<std::string> texts;
  int unknowns = 0;  // the grid's number of unknowns (the linear system only)
  int error = 0;     // the run-time error that ended the click; 0 for none
  // What each of the panel's labels shows after the click, in the panel's order:
  // nothing for a label hidden (the grid's unused results) or a list still empty;
  // for the factorization, the list entry it added.
  std::vector<std::optional<std::string>> shown;
  NumberFormat format;    // the separators the window read and wrote with
  std::int64_t when = 0;  // milliseconds since 1970, UTC
  // A message box the click showed that was not a run-time error's report
  // (the grid's "Gauss fail at 1."); empty for none.
  std::string message;

  friend bool operator==(const Calculation&, const Calculation&) = default;

  // The text of the panel's box at that place in its order; nothing past the
  // boxes the click read.
  const std::string* text(std::size_t box) const {
    return box < texts.size() ? &texts[box] : nullptr;
  }
  // What the panel's label at that place shows; nothing where it shows nothing.
  const std::string* label(std::size_t label) const {
    return label < shown.size() && shown[label] ? &*shown[label] : nullptr;
  }
};

}  // namespace vorlinde
