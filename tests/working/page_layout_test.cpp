#include "working/page_layout.h"

#include <gtest/gtest.h>

#include <QString>

#include "exact/notation.h"
#include "working/line_breaks.h"

namespace vorlinde::working {
namespace {

using namespace notation;

// The plain text with its breaks shown: "|" between terms, "‖" after a clause,
// "¦" inside parentheses, a radicand, an exponent or a fraction.
QString shown(const std::string& markup) {
  QString text = QString::fromStdString(plain(markup));
  const std::vector<LineBreak> breaks = lineBreaks(markup);
  for (auto b = breaks.rbegin(); b != breaks.rend(); ++b)
    text.insert(b->at, b->level == LineBreak::Clause ? "‖"
                       : b->level == LineBreak::Term ? "|"
                                                     : "¦");
  return text;
}

TEST(LineBreaks, WhereTheWorkingMayBeBroken) {
  const struct {
    std::string markup;
    const char* breaks;
  } cases[] = {
      {"x" + sub("1") + " = " + frac("3+" + root("5"), "2") + " ≈ 2.6，x" + sub("2") + " = 1",
       "x₁ = |(3+√5)/2 ≈ |2.6，‖x₂ = |1"},
      {"sin α = " + frac("1", "2") + "，tan 𝛼 = 𝛼" + sup("2"), "sin α = |1/2，‖tan 𝛼 = |𝛼²"},
      {"170! = 72574\u200915615\u200930799", "170! = |72574\u2009|15615\u2009|30799"},
      {"(x - 3)² = 5，y - 1", "(x - ¦3)² = |5，‖y - |1"},
      {"倒序相加：首尾的和是 n + 1，共 n 对。",
       "倒|序|相|加：|首|尾|的|和|是 |n + |1，‖共 |n |对。"},
      {"a = 1（输入的是“1E300”），b = -3", "a = |1|（输|入|的|是|“1E300”），‖b = |-3"},
      {"m = " + root("12345\u200967890") + " 约为 7.2E+306。",
       "m = |√12345\u2009¦67890 |约|为 |7.2E+306。"},
      {"2" + sup("n - 1") + " + " + frac("a - b", "2"), "2^(n - ¦1) + |(a - ¦b)/2"},
      {"R₂ - " + frac("7", "20") + "R₁ → R₂；x₁～x₁₀", "R₂ - |7/20R₁ → |R₂；‖x₁～x₁₀"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(shown(c.markup), QString(c.breaks));
}

// A page of 600 × 1000 with 40 kept for the page number: 960 for the lines.
constexpr Size kPage{600, 1000};

std::vector<LineBox> lines(int n, double height = 30, double width = 500) {
  return std::vector<LineBox>(n, LineBox{0, height, width});
}

std::vector<LineBox> operator+(std::vector<LineBox> a, const std::vector<LineBox>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Every box within the page's width and above its footer, in the text's order.
void expectInside(const Pages& pages, const std::vector<LineBox>& boxes, const Paper& paper) {
  ASSERT_EQ(pages.lines.size(), boxes.size());
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const Placed& p = pages.lines[i];
    SCOPED_TRACE(i);
    EXPECT_GE(p.x, 0);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.x + boxes[i].width * p.scale, paper.page.width + 1e-9);
    EXPECT_LE(p.y + boxes[i].height * p.scale, paper.page.height - paper.footer + 1e-9);
    EXPECT_LT(p.page, pages.count);
    if (i > 0) {
      const Placed& q = pages.lines[i - 1];
      EXPECT_TRUE(p.page > q.page || p.y >= q.y + boxes[i - 1].height * q.scale - 1e-9);
    }
  }
  if (pages.figure) {
    EXPECT_LE(pages.figure->y + pages.figureSize.height, paper.page.height - paper.footer + 1e-9);
    EXPECT_LE(pages.figure->x + pages.figureSize.width, paper.page.width + 1e-9);
    EXPECT_NEAR(pages.figureSize.width * paper.figure->height,
                pages.figureSize.height * paper.figure->width, 1e-6);
  }
}

TEST(PageLayout, EveryLineAndTheFigureOnAPageInOrder) {
  const auto heading = lines(31) + std::vector<LineBox>{{0, 30, 200, -1, true}} + lines(1);
  const auto gapped = lines(32) + std::vector<LineBox>{{20, 30, 100}};
  const auto table = lines(2) + std::vector<LineBox>{{0, 40, 900, 7}, {0, 40, 300, 7}};
  const auto tooWide = std::vector<LineBox>{{0, 40, 1200, 3}, {0, 40, 2400}};
  constexpr std::size_t figure = 1000;
  const struct {
    const char* what;
    std::vector<LineBox> boxes;
    Paper paper;
    int pages;
    std::size_t line;  // where this line goes, or the figure
    Placed placed;
  } cases[] = {
      {"lines run on", lines(40), {kPage, 40}, 2, 32, {1, 0, 0, 1}},
      {"a heading goes with the next line", heading, {kPage, 40}, 2, 31, {1, 0, 0}},
      {"no space above a page's first line", gapped, {kPage, 40}, 2, 32, {1, 0, 0}},
      {"a table scaled as one", table, {kPage, 40}, 1, 3, {0, 0, 60 + 40 * (2 / 3.0), 2 / 3.0}},
      {"never below 60 %", tooWide, {kPage, 40}, 1, 1, {0, 0, 40 * 0.6, 0.6}},
      {"a tall figure shrunk", lines(1), {kPage, 40, Size{600, 2000}}, 2, figure, {1, 156, 0, .48}},
      {"a figure whole", lines(30), {kPage, 40, Size{400, 300}}, 2, figure, {1, 100, 0, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Pages pages = layOutPages(c.boxes, c.paper);
    EXPECT_EQ(pages.count, c.pages);
    const Placed& p = c.line == figure ? pages.figure.value() : pages.lines.at(c.line);
    EXPECT_EQ(p.page, c.placed.page);
    EXPECT_DOUBLE_EQ(p.x, c.placed.x);
    EXPECT_DOUBLE_EQ(p.y, c.placed.y);
    EXPECT_DOUBLE_EQ(p.scale, c.placed.scale);
    if (&c.boxes != &cases[4].boxes) expectInside(pages, c.boxes, c.paper);
  }
}

TEST(PageLayout, ATableCutIntoBlocksOfColumnsThatFitTheRoom) {
  const struct {
    std::vector<double> widths;
    double room;
    bool labelled;
    std::vector<ColumnBlock> blocks;
  } cases[] = {
      {{50, 100, 100, 100, 100}, 280, true, {{1, 3}, {3, 5}}},
      {{50, 100, 100, 100, 100}, 250, true, {{1, 2}, {2, 3}, {3, 4}, {4, 5}}},
      {{100, 100, 100}, 210, false, {{0, 2}, {2, 3}}},
      {{100, 400, 100}, 210, false, {{0, 1}, {1, 2}, {2, 3}}},
      {{100, 100, 100}, 320, false, {{0, 3}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(columnBlocks(c.widths, 10, c.room, c.labelled), c.blocks) << c.room;
}

}  // namespace
}  // namespace vorlinde::working
