#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working_lines.h"

namespace vorlinde::steps {
namespace {

// The boxes each button of the algebra window reads, in order.
const std::map<std::string, std::vector<std::string>> kBoxes = {
    {"Command1", {"Text1"}},          {"Command3", {"Text2"}}, {"Command4", {"Text3", "Text4"}},
    {"Command5", {"Text5", "Text6"}}, {"Command6", {"Text5"}}, {"Command7", {"Text7"}},
};

Working run(const std::string& button, const std::vector<std::string>& texts, int error = 0,
            std::vector<std::pair<std::string, std::string>> shown = {}) {
  Calculation c{"Form1", button, kBoxes.at(button), texts};
  c.error = error;
  c.shown = std::move(shown);
  return workingFor(c);
}

bool sensible(const Figure& f) {
  bool finite = std::isfinite(f.left) && std::isfinite(f.right) && std::isfinite(f.bottom) &&
                std::isfinite(f.top) && f.left < f.right && f.bottom < f.top;
  for (const Figure::Path& p : f.paths)
    for (const Point& q : p.points)
      finite = finite && std::isfinite(q.x) && std::isfinite(q.y);
  for (const Figure::Label& l : f.labels)
    finite = finite && std::isfinite(l.at.x) && std::isfinite(l.at.y);
  return finite && !f.empty();
}

struct Case {
  const char* button;
  std::vector<std::string> texts;
  const char* answer;
};

// Textbook exercises and the window's edges, with the answer line each must end with.
const Case kCases[] = {
    // Prime factorization: a half rounds to the even neighbour, the box is read leniently.
    {"Command1", {"360"}, "答：360 = 2³×3²×5"},
    {"Command1", {"1024"}, "答：1024 = 2¹⁰"},
    {"Command1", {"32767"}, "答：32767 = 7×31×151"},
    {"Command1", {"13"}, "答：13 是素数"},
    {"Command1", {"32749"}, "答：32749 是素数"},
    {"Command1", {"2.5"}, "答：2 是素数"},
    {"Command1", {"3.5"}, "答：4 = 2²"},
    {"Command1", {"12cm"}, "答：12 = 2²×3"},
    {"Command1", {"-32768"}, "答：-32768 = -(2¹⁵)"},
    {"Command1", {"1"}, "答：1 不能分解质因数"},
    {"Command1", {""}, "答：0 不能分解质因数"},
    // Factorial.
    {"Command3", {"10"}, "答：10! = 3628800"},
    {"Command3", {"0"}, "答：0! = 1"},
    {"Command3", {"5.5"}, "答：6! = 720"},
    {"Command3", {"4.5"}, "答：4! = 24"},
    {"Command3", {"20"}, "答：20! = 2432902008176640000"},
    {"Command3", {"-3"}, "答：负数没有阶乘"},
    {"Command3", {"1000"}, "答：1000! = 一个 2568 位数，约为 4.02387260077094E+2567"},
    {"Command3", {"32767"}, "答：32767! = 一个 133730 位数，约为 2.77492867931342E+133729"},
    // Greatest common divisor and least common multiple.
    {"Command4", {"12", "18"}, "答：最大公约数 = 6，最小公倍数 = 36"},
    {"Command4", {"1071", "462"}, "答：最大公约数 = 21，最小公倍数 = 23562"},
    {"Command4", {"8", "15"}, "答：最大公约数 = 1，最小公倍数 = 120"},
    {"Command4", {"-12", "18"}, "答：最大公约数 = 6，最小公倍数 = 36"},
    {"Command4", {"13.5", "21"}, "答：最大公约数 = 7，最小公倍数 = 42"},
    {"Command4", {"0", "18"}, "答：最大公约数 = 18，最小公倍数 = 0"},
    {"Command4", {"0", "0"}, "答：0 和 0 没有最大公约数，最小公倍数 = 0"},
    {"Command4", {"32767", "-32768"}, "答：最大公约数 = 1，最小公倍数 = 1073709056"},
    // Powers: whole exponents exactly, fractional ones as roots where they come out.
    {"Command5", {"2", "10"}, "答：mⁿ = 1024"},
    {"Command5", {"2", "-3"}, "答：mⁿ = 1/8 = 0.125"},
    {"Command5", {"0.5", "3"}, "答：mⁿ = 1/8 = 0.125"},
    {"Command5", {"-2", "3"}, "答：mⁿ = -8"},
    {"Command5", {"-3", "-2"}, "答：mⁿ = 1/9 ≈ 0.111111111111111"},
    {"Command5", {"7", "0"}, "答：mⁿ = 1"},
    {"Command5", {"4", "0.5"}, "答：mⁿ = 2"},
    {"Command5", {"16", "0.75"}, "答：mⁿ = 8"},
    {"Command5", {"16", "-0.25"}, "答：mⁿ = 1/2 = 0.5"},
    {"Command5", {"2", "0.5"}, "答：mⁿ = √2 ≈ 1.4142135623731"},
    {"Command5", {"2", "1.5"}, "答：mⁿ = 2√2 ≈ 2.82842712474619"},
    {"Command5", {"27", "0.5"}, "答：mⁿ = 3√3 ≈ 5.19615242270663"},
    {"Command5", {"2", "-0.5"}, "答：mⁿ = √2/2 ≈ 0.707106781186548"},
    {"Command5", {"2", "0.25"}, "答：mⁿ ≈ 1.18920711500272"},
    {"Command5", {"1.1", "1234.25"}, "答：mⁿ ≈ 1.22721783031563E+51"},
    {"Command5", {"0", "0"}, "答：0⁰ 没有意义"},
    {"Command5", {"0", "-1"}, "答：0 的负数次幂没有意义"},
    {"Command5", {"-8", "0.5"}, "答：负数的非整数次幂没有意义（不是实数）"},
    {"Command5", {"-1", "1E300"}, "答：mⁿ = 1"},
    {"Command5", {"2", "32767"}, "答：mⁿ = 一个 9864 位数 ≈ 7.07730515522477E+9863"},
    {"Command5", {"3", "1000000"}, "答：mⁿ ≈ 1.79771011667574E+477121"},
    {"Command5", {"1E300", "1E300"}, "答：mⁿ 约是一个 3E+302 位数"},
    // Square root in simplest form, the window's natural logarithm and the common one.
    {"Command6",
     {"72"},
     "答：√m = 6√2 ≈ 8.48528137423857，ln m ≈ 4.27666611901606，lg m ≈ 1.85733249643127"},
    {"Command6",
     {"0.5"},
     "答：√m = √2/2 ≈ 0.707106781186548，ln m ≈ -0.693147180559945，lg m ≈ -0.301029995663981"},
    {"Command6",
     {"2.25"},
     "答：√m = 3/2 = 1.5，ln m ≈ 0.810930216216329，lg m ≈ 0.352182518111362"},
    {"Command6",
     {"6"},
     "答：√m = √6 ≈ 2.44948974278318，ln m ≈ 1.79175946922806，lg m ≈ 0.778151250383644"},
    {"Command6", {"100"}, "答：√m = 10，ln m ≈ 4.60517018598809，lg m = 2"},
    {"Command6", {"0.01"}, "答：√m = 1/10 = 0.1，ln m ≈ -4.60517018598809，lg m = -2"},
    {"Command6", {"1"}, "答：√m = 1，ln m = 0，lg m = 0"},
    {"Command6", {"0"}, "答：√m = 0，ln m 不存在，lg m 不存在"},
    {"Command6", {"-4"}, "答：√m 不存在，ln m 不存在，lg m 不存在"},
    // Trigonometry: exact at the multiples of 30° and 45°, in the window's order.
    {"Command7",
     {"30"},
     "答：α = π/6 ≈ 0.523598775598299，sin α = 1/2 = 0.5，cos α = √3/2 ≈ 0.866025403784439，"
     "tan α = √3/3 ≈ 0.577350269189626，cot α = √3 ≈ 1.73205080756888，sec α = 2√3/3 ≈ "
     "1.15470053837925，csc α = 2"},
    {"Command7",
     {"90"},
     "答：α = π/2 ≈ 1.5707963267949，sin α = 1，cos α = 0，tan α 不存在，cot α = 0，sec α "
     "不存在，csc α = 1"},
    {"Command7",
     {"0"},
     "答：α = 0，sin α = 0，cos α = 1，tan α = 0，cot α 不存在，sec α = 1，csc α 不存在"},
    {"Command7",
     {"120"},
     "答：α = 2π/3 ≈ 2.0943951023932，sin α = √3/2 ≈ 0.866025403784439，cos α = -1/2 = -0.5，"
     "tan α = -√3 ≈ -1.73205080756888，cot α = -√3/3 ≈ -0.577350269189626，sec α = -2，csc α = "
     "2√3/3 ≈ 1.15470053837925"},
    {"Command7",
     {"-45"},
     "答：α = -π/4 ≈ -0.785398163397448，sin α = -√2/2 ≈ -0.707106781186548，cos α = √2/2 ≈ "
     "0.707106781186548，tan α = -1，cot α = -1，sec α = √2 ≈ 1.4142135623731，csc α = -√2 ≈ "
     "-1.4142135623731"},
    {"Command7",
     {"630"},
     "答：α = 7π/2 ≈ 10.9955742875643，sin α = -1，cos α = 0，tan α 不存在，cot α = 0，sec α "
     "不存在，csc α = -1"},
    {"Command7",
     {"-2.1"},
     "答：α = -7π/600 ≈ -0.0366519142918809，sin α ≈ -0.0366437087065563，cos α ≈ "
     "0.999328393778656，tan α ≈ -0.0366683353887297，cot α ≈ -27.2714861309837，sec α ≈ "
     "1.0006720575794，csc α ≈ -27.2898141399394"},
    {"Command7",
     {"22.5"},
     "答：α = π/8 ≈ 0.392699081698724，sin α ≈ 0.38268343236509，cos α ≈ 0.923879532511287，tan "
     "α ≈ 0.414213562373095，cot α ≈ 2.4142135623731，sec α ≈ 1.08239220029239，csc α ≈ "
     "2.61312592975275"},
};

TEST(AlgebraWorking, AnswersOfTextbookExercises) {
  for (const Case& c : kCases) {
    const Working w = run(c.button, c.texts);
    EXPECT_EQ(w.answer(), c.answer) << c.button << " " << c.texts[0];
    EXPECT_EQ(w.window, "代数");
  }
}

TEST(AlgebraWorking, KeySteps) {
  const Working ladder = run("Command1", {"360"});
  EXPECT_TRUE(hasLine(ladder, "45\t÷ 3\t= 15"));
  EXPECT_TRUE(hasLine(ladder, "360 = 2×2×2×3×3×5 = 2³×3²×5"));
  EXPECT_EQ(ladder.figure.labels.size(), 11u);  // five divisors, five dividends, the foot

  const Working prime = run("Command1", {"97"});
  EXPECT_TRUE(hasLine(prime, "只需用不大于 √97 ≈ 9.84 的质数去试除：2、3、5、7 都不能整除 97。"));

  EXPECT_TRUE(hasLine(run("Command3", {"170"}), "170! 共有 307 位，约为 7.257415615308E+306。"));
  EXPECT_EQ(run("Command3", {"170"}).answer().size(), std::string("答：170! = ").size() + 307);
  EXPECT_TRUE(hasLine(run("Command3", {"5.5"}), "n = 5.5 取整为 6"));

  const Working euclid = run("Command4", {"1071", "462"});
  EXPECT_TRUE(hasLine(euclid, "1071\t=\t462 × 2\t+\t147"));
  EXPECT_TRUE(hasLine(euclid, "147\t=\t21 × 7\t+\t0"));
  EXPECT_TRUE(hasLine(euclid, "7\t|\t357\t154"));
  EXPECT_TRUE(hasLine(euclid, "最小公倍数 = 所有除数与最后两个商的积 = 3×7×51×22 = 23562"));

  EXPECT_TRUE(hasLine(run("Command5", {"2", "1.5"}),
                      "2^(3/2) = √2³ = √8 = √(4×2) = 2√2 ≈ 2.82842712474619"));
  EXPECT_TRUE(hasLine(run("Command6", {"72"}), "√72 = √(36×2) = 6√2 ≈ 8.48528137423857"));
  EXPECT_TRUE(hasLine(run("Command6", {"0.5"}), "√(1/2) = √(1×2)/2 = √2/2 ≈ 0.707106781186548"));

  const Working trig = run("Command7", {"150"});
  EXPECT_TRUE(hasLine(trig, "α = 150×π/180 = 5π/6 ≈ 2.61799387799149"));
  EXPECT_TRUE(hasLine(trig,
                      "150° 在第二象限，参考角 180° - 150° = 30°：sin 150° = sin 30°，cos "
                      "150° = -cos 30°"));
  EXPECT_TRUE(hasLine(run("Command7", {"390"}),
                      "390° = 30° + 1×360°，α 与 30° 角的终边相同，三角函数值也相同。"));
}

TEST(AlgebraWorking, WhatTheWindowDidIsTold) {
  const Working overflow = run("Command3", {"171"}, 6);
  EXPECT_TRUE(hasLine(overflow, "窗口报告：运行时错误 6，溢出。"));
  EXPECT_EQ(overflow.answer().substr(0, 23), "答：171! = 1241018070");

  // Away from the special angles the window's π, a little short, shows in its digits.
  const auto windowSays = [](const Working& w) {
    for (const Line& l : w.lines)
      if (notation::plain(l.text).starts_with("窗口显示")) return notation::plain(l.text);
    return std::string();
  };
  const Working near = run("Command7", {"179"}, 0,
                           {{"Label25", "3.12413936106985"},
                            {"Label27", "0.0174524064372865"},
                            {"Label29", "-0.999847695156391"}});
  EXPECT_EQ(windowSays(near).substr(0, windowSays(near).find("：")),
            "窗口显示 sin α = 0.0174524064372865");
  const Working right =
      run("Command7", {"90"}, 0, {{"Label25", "1.5707963267949"}, {"Label31", "不存在"}});
  EXPECT_EQ(windowSays(right), "");

  // An angle too small for the doubles stops the window at cot α = 1/tan α.
  const Working tiny =
      run("Command7", {"1E-322"}, 11,
          {{"Label25", "0"}, {"Label27", "0"}, {"Label29", "1"}, {"Label31", "0"}});
  EXPECT_TRUE(hasLine(
      tiny, "窗口算 cot α = 1/tan α 时分母为 0（或太接近 0），在这里停下，后面的值都没有算出。"));
  EXPECT_TRUE(hasLine(tiny, "窗口报告：运行时错误 11，除数为零。"));
}

TEST(AlgebraWorking, FiguresAreDrawable) {
  for (const Case& c : kCases) {
    const Working w = run(c.button, c.texts);
    const bool drawn = c.button == std::string("Command1") || c.button == std::string("Command4") ||
                       c.button == std::string("Command7");
    if (drawn) {
      EXPECT_TRUE(sensible(w.figure)) << c.button << " " << c.texts[0];
    }
  }
  EXPECT_TRUE(sensible(run("Command6", {"72"}).figure));
}

// Whatever the boxes hold, a working comes back with its answer line.
TEST(AlgebraWorking, HostileInputs) {
  const std::vector<std::string> texts = {"",
                                          "abc",
                                          "1E308",
                                          "-1E308",
                                          "1E-320",
                                          "1E-300",
                                          "4.9E-324",
                                          "99999999999999999999999",
                                          std::string(3000, '7'),
                                          "0." + std::string(3000, '0') + "1",
                                          "１２",
                                          "&H7FFF",
                                          "-0",
                                          "1,000",
                                          "32767.5"};
  for (const auto& [button, boxes] : kBoxes)
    for (const std::string& a : texts)
      for (const std::string& b : {std::string("2"), std::string("0.5"), a}) {
        std::vector<std::string> in = {a, b};
        in.resize(boxes.size());
        const Working w = run(button, in, 6);
        // The fallback for numbers no working was written for is not reached either.
        EXPECT_FALSE(w.answer().empty() || w.answer() == "答：无法列出计算过程")
            << button << " " << a << " " << b;
      }
}

}  // namespace
}  // namespace vorlinde::steps
