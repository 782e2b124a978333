#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/numbers.h"

namespace vorlinde {

// One click of a compute button, as the working and the history keep it: what the
// window read and what it showed. Everything else is computed again from this.
struct Calculation {
  std::string window;              // the tool window's object name: "Form2"
  std::string button;              // its compute button: "Command1"
  std::vector<std::string> boxes;  // the boxes the click read, in the order read
  std::vector<std::string> texts;  // their texts as typed, in the same order
  int unknowns = 0;                // the grid's number of unknowns ("Form3" only)
  int error = 0;                   // the run-time error that ended the click; 0 for none
  // The result labels the click wrote, with what they show, in the order written;
  // for the factorization, the list entry it added.
  std::vector<std::pair<std::string, std::string>> shown;
  NumberFormat format;    // the separators the window read and wrote with
  std::int64_t when = 0;  // milliseconds since 1970, UTC
  // A message box the click showed that was not a run-time error's report
  // ("Gauss fail at 1."); empty for none.
  std::string message;

  // The text a box held, or nothing when the click did not read that box.
  const std::string* text(std::string_view box) const {
    for (std::size_t i = 0; i < boxes.size() && i < texts.size(); ++i)
      if (boxes[i] == box) return &texts[i];
    return nullptr;
  }
};

}  // namespace vorlinde
