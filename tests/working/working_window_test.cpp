#include "working/working_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "exact/notation.h"
#include "support/form_driver.h"
#include "working/figure_view.h"
#include "working/placement.h"
#include "working/workings.h"

namespace vorlinde {
namespace {

using namespace notation;
using steps::LineKind;

// A working that says which calculation it was built from: its first box's text.
steps::Working fakeWorking(const Calculation& c) {
  const std::string t = c.texts.at(0);
  steps::Working w{"解方程", "面板 " + t, {}, {}};
  w.lines = {
      {LineKind::Heading, "解方程 · 面板 " + t, {}},
      {LineKind::Step, "x = " + frac("3+" + root(t), "2") + "，" + var("t") + sup("1.5"), {}},
      {LineKind::Row, "", {"x", frac("1", t), "y"}},
      {LineKind::Answer, "答：" + var("x") + " = " + t, {}}};
  if (t != "0") w.figure.paths.push_back({{{0, 0}, {1, 1}}});
  return w;
}

Calculation typed(const std::string& text) {
  return {PanelId::Quadratic, {text}, 0, 0, {text}};
}

class WorkingWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir folder(QFileInfo(History::defaultPath()).absolutePath());
    folder.removeRecursively();
    folder.mkpath(".");
  }

  template <typename T>
  T* find(const char* name) {
    T* widget = workings.window()->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString shownText() { return find<QTextBrowser>("WorkingText")->toPlainText(); }
  void choose(int row) {
    auto* list = find<QListWidget>("WorkingHistory");
    const QRect at = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
  }

  Workings workings{fakeWorking};
};

QString plainOf(const std::string& text) {
  return QString::fromStdString(fakeWorking(typed(text)).plainText());
}

// Nothing of the window is made until it is first shown.
TEST_F(WorkingWindowTest, FollowsEachCalculationAndShowsAnEarlierOneWhenChosen) {
  workings.record(typed("5"));
  QCoreApplication::processEvents();
  EXPECT_EQ(workings.window(), nullptr);
  workings.show();
  EXPECT_EQ(shownText(), plainOf("5"));
  workings.record(typed("0"));
  EXPECT_EQ(shownText(), plainOf("5")) << "the working waits until the click is over";
  QCoreApplication::processEvents();
  EXPECT_EQ(shownText(), plainOf("0"));
  EXPECT_FALSE(shownText().contains(QChar(0xFFFC)));
  EXPECT_TRUE(find<FigureView>("WorkingFigure")->isHidden());

  auto* list = find<QListWidget>("WorkingHistory");
  ASSERT_EQ(list->count(), 2);
  EXPECT_TRUE(list->item(0)->text().contains("答：x = 0"));
  EXPECT_TRUE(list->item(1)->text().contains("答：x = 5"));
  choose(1);
  EXPECT_EQ(shownText(), plainOf("5"));
  EXPECT_FALSE(find<FigureView>("WorkingFigure")->isHidden());
  for (QWidget* widget : workings.window()->findChildren<QWidget*>())
    if (widget->objectName().startsWith("Working")) {
      EXPECT_FALSE(widget->accessibleName().isEmpty()) << qPrintable(widget->objectName());
    }
}

TEST_F(WorkingWindowTest, CopiesPlainTextAndHtmlAndSavesAPdf) {
  workings.record(typed("7"));
  workings.show();
  QCoreApplication::processEvents();
  QApplication::clipboard()->clear();
  QTest::mouseClick(find<QPushButton>("WorkingCopy"), Qt::LeftButton);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), plainOf("7"));
  EXPECT_TRUE(data->html().contains("答：<i>x</i> = 7"));
  EXPECT_TRUE(data->html().contains("<i>t</i><sup>1.5</sup>"));
  // What is on the paper is read back by the paper's tests, where pdftotext runs.
  QTemporaryDir folder;
  QFile file(folder.filePath("working.pdf"));
  ASSERT_TRUE(workings.window()->savePdf(file.fileName()) && file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF") && file.size() > 1000);
}

// "清空" pressed asks first, "取消" the default; only "清空" in the box clears.
TEST_F(WorkingWindowTest, ClearEmptiesTheHistoryOnlyWhenThePupilSaysSoInTheBox) {
  workings.show();
  auto* clear = find<QPushButton>("WorkingClear");
  EXPECT_FALSE(clear->isEnabled()) << "nothing to clear";
  workings.record(typed("5"));
  workings.record(typed("6"));
  QCoreApplication::processEvents();
  const auto press = [&](const QString& answer) {  // Escape where no answer is given
    return test::answering([&] { QTest::keyClick(clear, Qt::Key_Space); }, answer);
  };
  for (const char* answer : {"", "取消"}) {
    const std::vector<test::ShownBox> asked = press(answer);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].prompt, "清空全部 2 条历史记录？");
    EXPECT_EQ(asked[0].defaultButton, "取消");
    EXPECT_EQ(find<QListWidget>("WorkingHistory")->count(), 2) << answer;
  }
  press("清空");
  EXPECT_EQ(find<QListWidget>("WorkingHistory")->count(), 0);
  EXPECT_TRUE(shownText().isEmpty());
  EXPECT_FALSE(find<QTextBrowser>("WorkingText")->placeholderText().isEmpty());
  EXPECT_TRUE(History().entries().empty());
  EXPECT_FALSE(clear->isEnabled());
}

TEST_F(WorkingWindowTest, SaysOnceThatADamagedHistoryWasKeptAside) {
  for (const QString& name : {History::defaultPath() + ".bad", History::defaultPath()}) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"version\":1,");
  }
  workings.show();
  EXPECT_TRUE(find<QLabel>("WorkingTime")->text().endsWith(" history.json.bad.1"));
  workings.window()->close();
  workings.show();
  EXPECT_EQ(find<QLabel>("WorkingTime")->text(), "");
}

// Tool window and working frames on a 1366 × 768 screen, or the area given.
TEST(WorkingWindowPlace, BesideTheToolWindowElseWhereItCoversLeast) {
  const struct {
    QRect tool;
    QSize frame;
    QRect placed, area = QRect(0, 0, 1366, 768);
  } cases[] = {
      {{100, 100, 400, 300}, {500, 400}, {508, 100, 500, 400}},  // right, level with it
      {{100, 600, 400, 150}, {500, 400}, {508, 368, 500, 400}},  // right, as low as it can
      {{100, 0, 400, 300}, {500, 400}, {508, 27, 500, 400}, {0, 27, 1366, 741}},
      {{800, 100, 400, 300}, {500, 400}, {292, 100, 500, 400}},  // left
      {{400, 50, 600, 300}, {500, 400}, {400, 358, 500, 400}},   // below
      {{300, 150, 700, 500}, {828, 590}, {538, 0, 828, 590}},    // the corner covering least
      {{600, 150, 700, 500}, {828, 590}, {0, 0, 828, 590}},
      {{100, 100, 400, 300}, {1400, 900}, {0, 0, 1366, 768}},  // no larger than the screen
  };
  for (const auto& c : cases)
    EXPECT_EQ(placeBeside(c.tool, c.frame, c.area), c.placed) << c.tool.x() << "," << c.tool.y();
}

}  // namespace
}  // namespace vorlinde
