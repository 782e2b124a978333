#include "working/page_layout.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vorlinde::working {
namespace {

constexpr double kFigureGap = 16;

// Each box's scale: its group's, else its own.
std::vector<double> scales(const std::vector<LineBox>& boxes, const Paper& paper) {
  std::map<int, double> widest;
  for (const LineBox& box : boxes)
    if (box.group >= 0) widest[box.group] = std::max(widest[box.group], box.width);
  std::vector<double> out;
  for (const LineBox& box : boxes) {
    const double width = box.group >= 0 ? widest[box.group] : box.width;
    out.push_back(fitScale(width, paper.page.width));
  }
  return out;
}

class Flow {
 public:
  explicit Flow(double room) : room_(room) {}

  // Starts a new page unless the space and the height fit on this one, or
  // nothing would be gained because they do not fit on an empty page either.
  void makeRoom(double gap, double height) {
    if (!atTop_ && y_ + gap + height > room_ && height <= room_) {
      ++page_;
      y_ = 0;
      atTop_ = true;
    }
  }
  Placed place(double gap, double height, double x, double scale) {
    if (!atTop_) y_ += gap;
    const Placed placed{page_, x, y_, scale};
    y_ += height;
    atTop_ = false;
    return placed;
  }
  int pages() const { return page_ + 1; }

 private:
  double room_, y_ = 0;
  int page_ = 0;
  bool atTop_ = true;
};

}  // namespace

double fitScale(double width, double room) {
  return width <= room ? 1 : std::max(kSmallestTableScale, room / width);
}

Pages layOutPages(const std::vector<LineBox>& boxes, const Paper& paper) {
  const std::vector<double> scale = scales(boxes, paper);
  const double room = paper.page.height - paper.footer;
  Flow flow(room);
  Pages pages;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    // A heading stays with what follows it: the run moves to a new page whole.
    double run = boxes[i].height * scale[i];
    for (std::size_t k = i; boxes[k].keepWithNext && k + 1 < boxes.size(); ++k)
      run += (boxes[k + 1].gap + boxes[k + 1].height) * scale[k + 1];
    flow.makeRoom(boxes[i].gap * scale[i], run);
    flow.makeRoom(boxes[i].gap * scale[i], boxes[i].height * scale[i]);
    pages.lines.push_back(
        flow.place(boxes[i].gap * scale[i], boxes[i].height * scale[i], 0, scale[i]));
  }
  if (paper.figure && paper.figure->width > 0 && paper.figure->height > 0) {
    const Size& f = *paper.figure;
    const double shrink = std::min({1.0, paper.page.width / f.width, room / f.height});
    pages.figureSize = {f.width * shrink, f.height * shrink};
    flow.makeRoom(kFigureGap, pages.figureSize.height);
    pages.figure = flow.place(kFigureGap, pages.figureSize.height,
                              (paper.page.width - pages.figureSize.width) / 2, shrink);
  }
  pages.count = flow.pages();
  return pages;
}

std::vector<ColumnBlock> columnBlocks(const std::vector<double>& widths, double gap, double room,
                                      bool labelled) {
  const std::size_t start = labelled ? 1 : 0;
  if (widths.size() <= start) return {{start, widths.size()}};
  const double label = labelled ? widths[0] + gap : 0;
  std::vector<ColumnBlock> blocks;
  std::size_t first = start;
  double width = label;
  for (std::size_t j = start; j < widths.size(); ++j) {
    const double add = widths[j] + (j > first ? gap : 0);
    if (j > first && width + add > room) {
      blocks.push_back({first, j});
      first = j;
      width = label + widths[j];
    } else {
      width += add;
    }
  }
  blocks.push_back({first, widths.size()});
  return blocks;
}

}  // namespace vorlinde::working
