#include <gtest/gtest.h>

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

// For each tool window, the rows that make one of its panels show a message of
// its own: the button, then the texts of the boxes it reads, in order. The
// grid's "确定" with 2 shows none.
const char* const kProvoked[] = {
    "Command1 40000; Command3 171; Command3 40000; Command4 40000 1; Command5 -8 0.5; "
    "Command5 0 -1; Command5 10 400; Command6 -4; Command6 0; Command7 1E-308; "
    "Command7 1a",
    "Command1 0 0 5; Command1 1E300 1E300 1E300; Command3 1 1 1 1 1 2; "
    "Command3 1E300 1 1 1 1E300 1",
    "Command2 11; Command2 0; Command2 40000; Command2 abc; Command2 2; Command1 1 2 2 4; "
    "Command1 1E308 1E308 -1E308 1E308",
    "Command1 100000; Command3 1 2 40000; Command3 2 10 32767; Command4 1 2 40000; "
    "Command4 1E308 1E308 32767",
    "Command1 1E200 1E200; Command7 1E200 1",
};

void expectWhole(const std::vector<ShownBox>& boxes) {
  for (const ShownBox& box : boxes)
    EXPECT_TRUE(box.whole && box.width <= 420) << box.width << " " << box.prompt.toStdString();
}

TEST(Messages, EveryErrorGuardAndGridMessageReadsWhole) {
  Program program;
  std::set<QString> seen;  // by panel
  int rows = 0;
  for (int entry = 1; entry <= 5; ++entry) {
    QWidget* window = program.enter(entry);
    for (const QString& row : QString(kProvoked[entry - 1]).split("; ")) {
      const QStringList words = row.split(' ');
      for (const PanelEntry& panel : program.tool(entry).panels())
        for (std::size_t k = 0; words[0] == panel.button.c_str() && k < panel.boxes.size(); ++k)
          type(window, QString::fromStdString(panel.boxes[k]), words.value(int(k) + 1));
      const std::vector<ShownBox> boxes = click(window, words[0]);
      expectWhole(boxes);
      for (const ShownBox& box : boxes)
        EXPECT_TRUE(seen.insert(QString::number(entry) + row + box.prompt).second)
            << entry << row.toStdString();
      ++rows;
    }
  }
  EXPECT_EQ(int(seen.size()), rows - 1);
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
  EXPECT_EQ(pdf.at(0).prompt, "无法写入文件：\n" + nowhere);
  bool cleared = true;
  const auto ask = [&](const QString& choose) {
    return answering(
        [&] { cleared = askQuestion(working, "清空全部 500 条历史记录？", "清空", "取消"); },
        choose);
  };
  const std::vector<ShownBox> escaped = ask({});
  EXPECT_FALSE(cleared);
  EXPECT_EQ(escaped.at(0).defaultButton, "取消");
  ask("清空");
  EXPECT_TRUE(cleared);
  for (const auto& boxes : {print, pdf, escaped})
    expectWhole(boxes);
}

}  // namespace
}  // namespace vorlinde::test
