#include "working/placement.h"

#include <gtest/gtest.h>

namespace vorlinde {
namespace {

TEST(Placement, BesideTheToolWindowElseWhereItCoversLeast) {
  const QRect laptop(0, 0, 1366, 768);
  struct Case {
    QRect tool;
    QSize frame;
    QRect area, placed;
  } cases[] = {
      // Right of it, its top level with the tool window's.
      {{100, 100, 400, 300}, {500, 400}, laptop, {508, 100, 500, 400}},
      // Right of it, as low as the area lets it.
      {{100, 600, 400, 150}, {500, 400}, laptop, {508, 368, 500, 400}},
      {{100, 0, 400, 300}, {500, 400}, {0, 27, 1366, 741}, {508, 27, 500, 400}},
      // No room on the right: left of it.
      {{800, 100, 400, 300}, {500, 400}, laptop, {292, 100, 500, 400}},
      // Room on neither side: below it.
      {{400, 50, 600, 300}, {500, 400}, laptop, {400, 358, 500, 400}},
      {{500, 50, 800, 300}, {900, 400}, laptop, {466, 358, 900, 400}},
      // Room nowhere: the corner that covers least of it.
      {{300, 150, 700, 500}, {828, 590}, laptop, {538, 0, 828, 590}},
      {{600, 150, 700, 500}, {828, 590}, laptop, {0, 0, 828, 590}},
      {{300, 50, 700, 500}, {828, 590}, laptop, {538, 178, 828, 590}},
      // Larger than the area: as large as it.
      {{100, 100, 400, 300}, {1400, 900}, laptop, laptop},
  };
  for (const Case& c : cases)
    EXPECT_EQ(placeBeside(c.tool, c.frame, c.area), c.placed) << c.tool.x() << "," << c.tool.y();
}

}  // namespace
}  // namespace vorlinde
