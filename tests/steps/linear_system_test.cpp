#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

// The grid read row by row, each row's n coefficients and then its right-hand side.
Calculation grid(int n, const std::string& rows) {
  return Calculation{PanelId::LinearSystem, words(rows), n};
}

TEST(LinearSystemWorking, AnswersTextbookExercises) {
  const struct {
    int n;
    const char* rows;
    const char* answer;
  } table[] = {
      {3, "1 1 1 6  2 -1 1 3  1 2 -1 2", "答：x₁ = 1，x₂ = 2，x₃ = 3"},
      {3, "1 1 0 1  0 1 1 1  1 0 1 1", "答：x₁ = 1/2 = 0.5，x₂ = 1/2 = 0.5，x₃ = 1/2 = 0.5"},
      {3, "0 1 1 2  1 1 1 3  2 2 2 7", "答：方程组无解"},
      {3, "1 2 3 6  2 4 6 12  1 1 1 3", "答：方程组有无穷多解"},
      {4, "0 1 0 0 2  1 0 0 0 1  0 0 0 1 4  0 0 1 0 3", "答：x₁ = 1，x₂ = 2，x₃ = 3，x₄ = 4"},
      {2, "12.5cm _ 3  1 -1 abc", "答：x₁ = 6/25 = 0.24，x₂ = 6/25 = 0.24"},
      {2, "1E-20 0 1E-20  0 1E-20 2E-20", "答：x₁ = 1，x₂ = 2"},
      {1, "4 2", "答：x₁ = 1/2 = 0.5"},
      {1, "0 5", "答：方程组无解"},
      {3, "_ _ _ _  _ _ _ _  _ _ _ _", "答：方程组有无穷多解"},
  };
  for (const auto& e : table)
    EXPECT_EQ(workingFor(grid(e.n, e.rows)).answer(), e.answer) << e.rows;
}

TEST(LinearSystemWorking, SolvesTenUnknowns) {
  // 2xᵢ + xᵢ₊₁ = (3i + 1)/2 and 2x₁₀ = 10 have the solution xᵢ = i/2.
  const auto half = [](int k) { return std::to_string(k / 2) + (k % 2 ? ".5" : ""); };
  std::string rows, expected = "答：";
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= 10; ++j)
      rows += j == i ? "2 " : j == i + 1 ? "1 " : "0 ";
    rows += (i < 10 ? half(3 * i + 1) : "10") + " ";
    expected += (i > 1 ? "，x" : "x") + notation::plain(notation::sub(std::to_string(i))) + " = " +
                (i % 2 ? std::to_string(i) + "/2 = " + half(i) : half(i));
  }
  EXPECT_EQ(workingFor(grid(10, rows)).answer(), expected);
}

TEST(LinearSystemWorking, WritesTheRowOperationsAndRanks) {
  const Working w = workingFor(grid(3, "1 1 1 6  2 -1 1 3  1 2 -1 2"));
  EXPECT_TRUE(hasLine(w, "2x₁ - x₂ + x₃ = 3"));
  EXPECT_TRUE(hasLineWith(w, "消去 x₁（主元 1）：R₂ - 2R₁ → R₂，R₃ - R₁ → R₃"));
  EXPECT_TRUE(hasLineWith(w, "消去 x₂（主元 -3）：R₃ + 1/3R₂ → R₃"));
  EXPECT_TRUE(hasLineWith(w, "R₂：-3x₂ - x₃ = -9，代入 x₃ = 3，得 -3x₂ = -6，x₂ = 2"));
  EXPECT_TRUE(hasLine(w, "0\t-3\t-1\t|\t-9"));  // the matrix's second row, cell by cell

  const Working none = workingFor(grid(3, "0 1 1 2  1 1 1 3  2 2 2 7"));
  EXPECT_TRUE(hasLineWith(none, "R₁ ↔ R₂"));
  EXPECT_TRUE(hasLineWith(none, "r(A) = 2，增广矩阵的秩 r(A|b) = 3，r(A) < r(A|b)"));
  const Working many = workingFor(grid(3, "1 2 3 6  2 4 6 12  1 1 1 3"));
  EXPECT_TRUE(hasLineWith(many, "通解：x₁ = x₃，x₂ = 3 - 2x₃，其中 x₃ 取任意数"));
}

TEST(LinearSystemWorking, SaysHowTheBoxesWereReadAndWhatTheWindowDid) {
  const Working read = workingFor(grid(2, "12.5cm _ 3  1 -1 abc"));
  EXPECT_TRUE(hasLineWith(read, "a₁₁ 格中“12.5cm”按 25/2 读入"));
  EXPECT_TRUE(hasLineWith(read, "b₂ 格中“abc”按 0 读入"));
  EXPECT_TRUE(hasLineWith(read, "空着的格子按 0 读入：a₁₂"));
  EXPECT_FALSE(hasLineWith(read, "“3”"));
  Calculation overflow = grid(2, "1 1 2  1 -1 0");
  overflow.error = 6;
  EXPECT_TRUE(hasLine(workingFor(overflow), "窗口报告：运行时错误 6，溢出。"));
  // Not singular, though the window's 1 + p = 1 test says so.
  Calculation tiny = grid(2, "1E-20 0 1E-20  0 1E-20 2E-20");
  tiny.message =
      "这个方程组没有唯一解（或者非常接近没有唯一解），求不出可靠的结果。解题过程里写了原因。\n\nGa"
      "uss fail at 1.";
  EXPECT_TRUE(hasLineWith(workingFor(tiny), "窗口显示“Gauss fail at 1.”：它用小数消元"));
  // Nearly singular: the window solves it, with a large rounding error.
  const Working near = workingFor(grid(2, "1 1 2  1 1.00000000000001 2.00000000000001"));
  EXPECT_TRUE(hasLineWith(near, "接近奇异"));
  EXPECT_EQ(near.answer(), "答：x₁ = 1，x₂ = 1");
  // Singular, though the window's rounding hides it.
  const Working hidden = workingFor(grid(2, "1.3 7.7 1  3.9 23.1 3"));
  EXPECT_TRUE(hasLineWith(hidden, "没有发现"));
  EXPECT_EQ(hidden.answer(), "答：方程组有无穷多解");
}

TEST(LinearSystemWorking, DrawsTwoUnknownsAsLines) {
  const Figure f = workingFor(grid(2, "1 1 3  1 -1 1")).figure;
  ASSERT_EQ(f.dots.size(), 1u);
  EXPECT_DOUBLE_EQ(f.dots[0].at.x, 2);
  EXPECT_DOUBLE_EQ(f.dots[0].at.y, 1);
  EXPECT_TRUE(workingFor(grid(3, "1 1 1 6  2 -1 1 3  1 2 -1 2")).figure.empty());
}

}  // namespace
}  // namespace vorlinde::steps
