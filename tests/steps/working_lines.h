#pragma once

#include <string>

#include "exact/notation.h"
#include "steps/working.h"

namespace vorlinde::steps {

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
