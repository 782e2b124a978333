#pragma once

#include <QByteArray>
#include <string>
#include <vector>

#include "core/calculation.h"

// The history file: {"version": 2, "cleared": ..., "calculations": [...]}, newest
// first, each calculation with every field it was recorded with and its panel by
// key. "cleared", when the history was last emptied, is left out until it first
// is. Files of version 1, which named the window and the button instead, are read
// too and written back as version 2.

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

struct DecodedHistory {
  enum Status {
    Read,     // a history of this version or an earlier one
    Damaged,  // not a history, or a field missing or of the wrong type
    Newer,    // a history of a later version, which this program cannot read
  } status;
  HistoryFile file;  // what was read; empty unless Read
};
// An entry whose panel this program does not know is left out.
DecodedHistory decodeHistory(const QByteArray& json);

}  // namespace vorlinde
