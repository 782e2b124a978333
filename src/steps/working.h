#pragma once

#include <string>
#include <vector>

#include "steps/figure.h"

// The working of one calculation as plain data: lines of marked text (see
// exact/notation.h) and a figure. The working window typesets it; its plain text
// is what is copied and what a screen reader reads.

namespace vorlinde::steps {

enum class LineKind {
  Heading,  // the window and the panel: "解方程 · 一元二次方程"
  Given,    // a value as the window read it: "a = 1", "“12.5cm” 按 12.5 读入"
  Method,   // the name of a method: "解法一：公式法"
  Step,     // a step of the method
  Row,      // a row of a table (cells), in a run of rows that line up column by column
  Note,     // a remark that is not a step: the complex pair, the check, the arc length
  Answer,   // the answer line, always last: "答：x₁ = …，x₂ = …"
};

struct Line {
  LineKind kind = LineKind::Step;
  std::string text;                // marked text; for a Row, empty
  std::vector<std::string> cells;  // a Row's cells, each marked text
};

struct Working {
  std::string window;  // the tool window's caption: "解方程"
  std::string panel;   // the panel: "一元二次方程"
  std::vector<Line> lines;
  Figure figure;

  // The plain text, one line a line (a Row's cells joined by tabs), ending with
  // the answer line.
  std::string plainText() const;
  // The answer line's plain text, or "" when there is none.
  std::string answer() const;
};

}  // namespace vorlinde::steps
