#include "steps/algebra/ladder.h"

#include <algorithm>

#include "exact/notation.h"
#include "steps/shared/common.h"

// The ladder laid out: a rung a row, every column as wide as its longest number.

namespace vorlinde::steps {
namespace {

// Units a character of a number takes at rows one unit apart.
constexpr double kCharWidth = 0.55;

}  // namespace

Figure ladderFigure(const std::vector<Rung>& rungs, const std::vector<std::string>& foot,
                    std::string caption) {
  // Every column as wide as its longest number.
  std::vector<double> widths(foot.size(), 1.0);
  for (std::size_t j = 0; j < foot.size(); ++j) {
    std::size_t longest = characterCount(notation::plain(foot[j]));
    for (const Rung& rung : rungs)
      if (j < rung.numbers.size())
        longest = std::max(longest, characterCount(notation::plain(rung.numbers[j])));
    widths[j] = std::max(1.0, static_cast<double>(longest) * kCharWidth) + 0.7;
  }
  std::vector<double> centres;
  double x = 0.3;
  for (double width : widths) {
    centres.push_back(x + width / 2);
    x += width;
  }
  const double right = x;

  Figure f;
  const auto place = [&](const std::vector<std::string>& numbers, double y) {
    for (std::size_t j = 0; j < numbers.size() && j < centres.size(); ++j)
      f.labels.push_back({{centres[j], y}, numbers[j], Anchor::Centre});
  };
  for (std::size_t i = 0; i < rungs.size(); ++i) {
    const double y = -static_cast<double>(i);
    f.labels.push_back({{0, y}, rungs[i].divisor, Anchor::Left});
    place(rungs[i].numbers, y);
    f.paths.push_back({{{0.15, y + 0.45}, {0.15, y - 0.5}, {right, y - 0.5}}, Stroke::Solid});
  }
  const double last = -static_cast<double>(rungs.size());
  place(foot, last);
  // Room for the divisors on the left; a short ladder keeps the size of a tall one.
  const double height = std::max(6.0, rungs.size() + 1.6);
  f.left = -1.6;
  f.right = std::max(right + 0.4, 6.0);
  f.top = 0.8;
  f.bottom = f.top - height;
  f.caption = std::move(caption);
  return f;
}

}  // namespace vorlinde::steps
