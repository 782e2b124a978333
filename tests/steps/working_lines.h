#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/calculation.h"
#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working.h"

namespace vorlinde::steps {

// A click of the panel with the texts of its boxes in order, its run-time error,
// and what some of its labels show, each by its place in the panel's order.
inline Calculation clicked(PanelId panel, std::vector<std::string> texts, int error = 0,
                           const std::vector<std::pair<std::size_t, std::string>>& shown = {}) {
  Calculation c{panel, std::move(texts)};
  c.error = error;
  for (const auto& [label, text] : shown) {
    if (c.shown.size() <= label) c.shown.resize(label + 1);
    c.shown[label] = text;
  }
  return c;
}

// The working of such a click.
inline Working run(PanelId panel, std::vector<std::string> texts, int error = 0,
                   const std::vector<std::pair<std::size_t, std::string>>& shown = {}) {
  return workingFor(clicked(panel, std::move(texts), error, shown));
}

// A line as the plain text reads it: its text, then its cells separated by tabs.
inline std::string plainLine(const Line& l) {
  std::string plain = notation::plain(l.text);
  for (std::size_t i = 0; i < l.cells.size(); ++i)
    plain += (i ? "\t" : "") + notation::plain(l.cells[i]);
  return plain;
}

// Whether some line of the working is the text, whole.
inline bool hasLine(const Working& w, const std::string& text) {
  for (const Line& l : w.lines)
    if (plainLine(l) == text) return true;
  return false;
}

// Whether some line of the working holds the text.
inline bool hasLineWith(const Working& w, const std::string& text) {
  for (const Line& l : w.lines)
    if (plainLine(l).find(text) != std::string::npos) return true;
  return false;
}

}  // namespace vorlinde::steps
