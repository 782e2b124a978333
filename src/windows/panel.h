#pragma once

#include <string>
#include <vector>

namespace vorlinde {

// A compute button of a tool window, with the boxes it reads, in the order it
// reads them, and the result labels (or list) it writes, in the order it writes
// them. The handlers' wiring, the tests and the drives all read these tables.
struct Panel {
  std::string button;
  std::vector<std::string> boxes;
  std::vector<std::string> labels;
  bool guarded = true;      // the numeric test on every box before any is read
  bool calculation = true;  // false for a button that only lays the window out
};

}  // namespace vorlinde
