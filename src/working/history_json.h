#pragma once

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "core/calculation.h"

// The history file: {"version": 1, "calculations": [...]}, newest first, each
// calculation with every field it was recorded with.

namespace vorlinde {

// A calculation of the history with what its list entry shows, kept so that
// earlier sessions' entries need no working computed again.
struct HistoryEntry {
  Calculation calculation;
  std::string title;   // the tool window and panel: "解方程 · 一元二次方程"
  std::string answer;  // the answer line, or a summary of what the window showed
};

QByteArray encodeHistory(const std::vector<HistoryEntry>& entries);
// The entries, or nothing when the text is not a history of this version with
// every field of the right type.
std::optional<std::vector<HistoryEntry>> decodeHistory(const QByteArray& json);

}  // namespace vorlinde
