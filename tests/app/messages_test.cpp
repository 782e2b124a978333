#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>
#include <set>

#include "forms/message_box.h"
#include "support/program.h"
#include "working/working_window.h"
#include "working/workings.h"

// Every message the program can show reads whole: the driver lays each box's
// prompt out at its label's width and sees every line fit. The suite runs these
// tests once more at QT_SCALE_FACTOR=1.5.

namespace vorlinde::test {
namespace {

// Inputs that make a panel show one of its messages (none where `boxes` is 0);
// the boxes the panel reads are filled in order, the rest emptied.
struct Provoked {
  int window;
  const char* button;
  QStringList texts;
  int boxes = 1;
};

const Provoked kProvoked[] = {
    {1, "Command1", {"40000"}},
    {1, "Command3", {"171"}},
    {1, "Command3", {"40000"}},
    {1, "Command4", {"40000", "1"}},
    {1, "Command5", {"-8", "0.5"}},
    {1, "Command5", {"0", "-1"}},
    {1, "Command5", {"10", "400"}},
    {1, "Command6", {"-4"}},
    {1, "Command6", {"0"}},
    {1, "Command7", {"0"}},
    {1, "Command7", {"1E-308"}},
    {1, "Command7", {"1a"}},
    {2, "Command1", {"0", "0", "5"}},
    {2, "Command1", {"1E300", "1E300", "1E300"}},
    {2, "Command3", {"1", "1", "1", "1", "1", "2"}},
    {2, "Command3", {"1E300", "1", "1", "1", "1E300", "1"}},
    {3, "Command2", {"11"}},
    {3, "Command2", {"0"}},
    {3, "Command2", {"40000"}},
    {3, "Command2", {"abc"}},
    {3, "Command2", {"2"}, 0},
    {3, "Command1", {"1", "2", "2", "4"}},
    {3, "Command1", {"1E308", "1E308", "-1E308", "1E308"}},
    {4, "Command1", {"-1"}},
    {4, "Command1", {"100000"}},
    {4, "Command3", {"1", "2", "40000"}},
    {4, "Command3", {"1", "0", "0"}},
    {4, "Command3", {"2", "10", "32767"}},
    {4, "Command4", {"1", "2", "-32768"}},
    {4, "Command4", {"1E308", "1E308", "32767"}},
    {5, "Command1", {"1E200", "1E200"}},
    {5, "Command7", {"1E200", "1"}},
};

// Wider than about thirty characters a box would make a pupil's eyes travel.
constexpr int kSensibleWidth = 420;

void expectWhole(const std::vector<ShownBox>& boxes, const std::string& where) {
  for (const ShownBox& box : boxes) {
    EXPECT_TRUE(box.whole) << where << ": " << box.prompt.toStdString();
    EXPECT_LE(box.width, kSensibleWidth) << where;
  }
}

TEST(Messages, EveryErrorGuardAndGridMessageReadsWhole) {
  Program program;
  std::map<std::string, std::set<QString>> byPanel;
  for (const Provoked& row : kProvoked) {
    QWidget* window = program.tool(row.window).isLoaded() ? program.tool(row.window).window()
                                                          : program.enter(row.window);
    const std::string where = window->objectName().toStdString() + "." + row.button + " " +
                              row.texts.join(' ').toStdString();
    for (const Panel& panel : program.tool(row.window).panels()) {
      if (panel.button != row.button) continue;
      for (std::size_t k = 0; k < panel.boxes.size(); ++k)
        type(window, QString::fromStdString(panel.boxes[k]), row.texts.value(int(k)));
    }
    const std::vector<ShownBox> boxes = click(window, row.button);
    ASSERT_EQ(int(boxes.size()), row.boxes) << where;
    expectWhole(boxes, where);
    // Each row reaches a message of its own: the table keeps up with the advice.
    for (const ShownBox& box : boxes)
      EXPECT_TRUE(byPanel[where.substr(0, where.find(' '))].insert(box.prompt).second) << where;
  }
}

TEST(Messages, TheWorkingsWarningsAndQuestionsReadWhole) {
  Program program;
  click(program.enter(2), "WorkingButton");
  WorkingWindow* working = program.working().workings().window();
  ASSERT_NE(working, nullptr);

  // The print module is not beside the tests, so printing cannot begin.
  const std::vector<ShownBox> print = click(working, "WorkingPrint");
  ASSERT_EQ(print.size(), 1u);
  EXPECT_TRUE(print[0].prompt.startsWith("未能载入打印支持"));
  expectWhole(print, "print");

  QTemporaryDir folder;
  // A folder name with no break in it, longer than a box is wide.
  const QString nowhere = folder.filePath(QString(80, 'x') + "/解题过程.pdf");
  const std::vector<ShownBox> pdf = answering([&] { working->writePdf(nowhere); });
  ASSERT_EQ(promptsOf(pdf), QStringList{"无法写入文件：\n" + nowhere});
  expectWhole(pdf, "pdf");

  // The pupil's Escape keeps the history, and only "清空" clears it.
  const auto ask = [&](const QString& choose) {
    bool cleared = false;
    const std::vector<ShownBox> asked = answering(
        [&] { cleared = askQuestion(working, "清空全部 500 条历史记录？", "清空", "取消"); },
        choose);
    expectWhole(asked, "question");
    EXPECT_EQ(asked.at(0).buttons, QStringList({"清空", "取消"}));
    EXPECT_EQ(asked.at(0).defaultButton, "取消");
    return cleared;
  };
  EXPECT_FALSE(ask({}));
  EXPECT_TRUE(ask("清空"));
}

}  // namespace
}  // namespace vorlinde::test
