#pragma once

#include <optional>
#include <vector>

// The working's lines put on pages, as plain geometry: the screen is one page as
// tall as the working, paper a run of pages with a footer for the page numbers.
// Every line box keeps its place in the text's order; a group of boxes (a table,
// or a paragraph with a part too wide to break) is scaled down as one to the
// page's width, never below 60 %: what is wider still runs past the right edge.

namespace vorlinde::working {

// A table is never scaled below this, on the screen or on paper: on paper it is
// cut into blocks of columns, on the screen it scrolls sideways.
inline constexpr double kSmallestTableScale = 0.6;

struct Size {
  double width = 0, height = 0;
};

struct LineBox {
  double gap = 0;             // space above it, dropped at the top of a page
  double height = 0;          // its height, room for raised and lowered parts included
  double width = 0;           // from the page's left edge to the end of its last character
  int group = -1;             // boxes of one group share one scale
  bool keepWithNext = false;  // a heading, or the line that introduces a table
};

struct Paper {
  Size page;                   // the printable area
  double footer = 0;           // kept free at the foot of every page
  std::optional<Size> figure;  // the figure, after the text, at this size or smaller
};

struct Placed {
  int page = 0;
  double x = 0, y = 0;  // the top left corner on its page
  double scale = 1;
};

struct Pages {
  std::vector<Placed> lines;  // one for each box, in order
  std::optional<Placed> figure;
  Size figureSize;  // as placed, scale included
  int count = 1;
};

Pages layOutPages(const std::vector<LineBox>& boxes, const Paper& paper);

// The scale that fits a width into the room, never below 60 %.
double fitScale(double width, double room);

// A table too wide for the page even at its smallest scale, cut into blocks of
// columns side by side: each block the columns [first, last), after the row
// labels when the table has them (column 0), no wider than `room`.
struct ColumnBlock {
  std::size_t first = 0, last = 0;
  bool operator==(const ColumnBlock&) const = default;
};
std::vector<ColumnBlock> columnBlocks(const std::vector<double>& widths, double gap, double room,
                                      bool labelled);

}  // namespace vorlinde::working
