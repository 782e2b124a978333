#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <set>

#include "forms/message_box.h"
#include "support/program.h"
#include "working/working_window.h"
#include "working/workings.h"

// Every message the program can show reads whole (the driver lays each box's
// prompt out at its label's width) and no wider than about thirty characters.

namespace vorlinde::test {
namespace {

// Inputs that make a panel show a message of its own: the texts of the boxes it
// reads, in order. The grid's "确定" with 2 shows none.
const std::pair<PanelId, const char*> kProvoked[] = {
    {PanelId::Factorization, "40000"},
    {PanelId::Factorial, "171"},
    {PanelId::Factorial, "40000"},
    {PanelId::DivisorAndMultiple, "40000 1"},
    {PanelId::Power, "-8 0.5"},
    {PanelId::Power, "0 -1"},
    {PanelId::Power, "10 400"},
    {PanelId::RootAndLogarithm, "-4"},
    {PanelId::RootAndLogarithm, "0"},
    {PanelId::Trigonometry, "1E-308"},
    {PanelId::Trigonometry, "1a"},
    {PanelId::Quadratic, "0 0 5"},
    {PanelId::Quadratic, "1E300 1E300 1E300"},
    {PanelId::TwoUnknowns, "1 1 1 1 1 2"},
    {PanelId::TwoUnknowns, "1E300 1 1 1 1E300 1"},
    {PanelId::GridCount, "11"},
    {PanelId::GridCount, "0"},
    {PanelId::GridCount, "40000"},
    {PanelId::GridCount, "abc"},
    {PanelId::GridCount, "2"},
    {PanelId::LinearSystem, "1 2 2 4"},
    {PanelId::LinearSystem, "1E308 1E308 -1E308 1E308"},
    {PanelId::SpecialSeries, "100000"},
    {PanelId::GeometricSequence, "1 2 40000"},
    {PanelId::GeometricSequence, "2 10 32767"},
    {PanelId::ArithmeticSequence, "1 2 40000"},
    {PanelId::ArithmeticSequence, "1E308 1E308 32767"},
    {PanelId::Triangle, "1E200 1E200"},
    {PanelId::Cylinder, "1E200 1"},
};

void expectWhole(const std::vector<ShownBox>& boxes) {
  for (const ShownBox& box : boxes)
    EXPECT_TRUE(box.whole && box.width <= 420) << box.width << " " << box.prompt.toStdString();
}

TEST(Messages, EveryErrorGuardAndGridMessageReadsWhole) {
  Program program;
  std::set<QString> seen;  // by panel
  for (const auto& [id, texts] : kProvoked) {
    const PanelEntry& panel = vorlinde::panel(id);
    QWidget* window = program.enter(int(panel.window) + 1);
    const QStringList words = QString(texts).split(' ');
    for (int k = 0; k < words.size(); ++k)
      type(window, QString::fromStdString(panel.boxes[std::size_t(k)]), words[k]);
    const std::vector<ShownBox> boxes = click(window, QString::fromStdString(panel.button));
    expectWhole(boxes);
    for (const ShownBox& box : boxes)
      EXPECT_TRUE(seen.insert(QString::fromUtf8(panel.key) + texts + box.prompt).second)
          << panel.key << " " << texts;
  }
  EXPECT_EQ(seen.size(), std::size(kProvoked) - 1);
}

TEST(Messages, TheWorkingsWarningsAndQuestionsReadWhole) {
  Program program;
  click(program.enter(2), "WorkingButton");
  WorkingWindow* working = program.working().workings().window();
  // The print module is not beside the tests; the folder's name has no break in it.
  const std::vector<ShownBox> print = click(working, "WorkingPrint");
  const QString nowhere = QTemporaryDir().filePath(QString(80, 'x') + "/解题过程.pdf");
  const std::vector<ShownBox> pdf = answering([&] { working->writePdf(nowhere); });
  EXPECT_TRUE(print.at(0).prompt.startsWith("未能载入打印支持"));
  EXPECT_EQ(pdf.at(0).prompt, "无法写入文件：\n" + QDir::toNativeSeparators(nowhere));
  // The question of "清空", at its longest; what it does is the working window's test.
  const std::vector<ShownBox> asked =
      answering([&] { askQuestion(working, "清空全部 500 条历史记录？", "清空", "取消"); });
  for (const auto& boxes : {print, pdf, asked}) {
    EXPECT_EQ(boxes.size(), 1u);
    expectWhole(boxes);
  }
}

}  // namespace
}  // namespace vorlinde::test
