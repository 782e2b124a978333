#include "steps/shared/common.h"

#include <gtest/gtest.h>

#include "exact/notation.h"
#include "steps/shared/answer.h"

namespace vorlinde::steps {
namespace {

TEST(Working, GivenValuesAndTheAnswerLine) {
  Calculation c{PanelId::Quadratic, {"0.1", " 3 ", "１２"}};
  EXPECT_EQ(notation::plain(given(c, "a", 0)), "a = 1/10（输入的是“0.1”）");
  EXPECT_EQ(notation::plain(given(c, "b", 1)), "b = 3");
  EXPECT_EQ(notation::plain(given(c, "c", 2)), "c = 12（输入的是“１２”）");
  EXPECT_EQ(given(c, "d", 3), "d 不是数");
  c.texts[1] = "+1" + std::string(100, '0');
  EXPECT_EQ(notation::plain(given(c, "b", 1)),
            "b = 10¹⁰⁰（输入的是“+10000000000000000000000…00000000，共 102 个字符”）");
  // Full-width digits take three bytes each: the count is of characters.
  c.texts[2] = "";
  for (int i = 0; i < 35; ++i)
    c.texts[2] += "１";
  const std::string ones =
      "11111\u200911111\u200911111\u200911111\u200911111\u200911111\u200911111";
  EXPECT_EQ(notation::plain(given(c, "c", 2)),
            "c = " + ones + "（输入的是“１１１１１１１１…１１，共 35 个字符”）");
  // Digits typed as the working writes them, but for the groups, are not quoted.
  c.texts[2] = std::string(35, '1');
  EXPECT_EQ(notation::plain(given(c, "c", 2)), "c = " + ones);

  Working w = begin("解方程", "一元二次方程");
  line(w, LineKind::Step, "x = " + notation::frac("3", "2"));
  answer(w, {answerItem("x", exact::show(exact::Rational(3, 2), c.format)),
             answerItem("y", exact::showDecimal({"0.3", false}))});
  EXPECT_EQ(w.plainText(), "解方程 · 一元二次方程\nx = 3/2\n答：x = 3/2 = 1.5，y ≈ 0.3");
}

}  // namespace
}  // namespace vorlinde::steps
