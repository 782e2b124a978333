#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "core/calculation.h"

// The history file: {"version": 1, "cleared": ..., "calculations": [...]}, newest
// first, each calculation with every field it was recorded with. "cleared", when
// the history was last emptied, is left out until it first is.

namespace vorlinde {

// A calculation of the history with what its list entry shows, kept so that
// earlier sessions' entries need no working computed again.
struct HistoryEntry {
  Calculation calculation;
  std::string title;   // the tool window and panel: "解方程 · 一元二次方程"
  std::string answer;  // the answer line, or a summary of what the window showed
};

// What a history file holds.
struct HistoryFile {
  std::vector<HistoryEntry> entries;  // newest first
  std::int64_t cleared = 0;           // when it was last emptied, ms since 1970; 0 for never
};

QByteArray encodeHistory(const HistoryFile& file);
// The file's contents, or nothing when the text is not a history of this version
// with every field of the right type.
std::optional<HistoryFile> decodeHistory(const QByteArray& json);

}  // namespace vorlinde
