#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "core/messages.h"
#include "support/form_driver.h"
#include "windows/algebra_window.h"
#include "windows/equation_window.h"
#include "windows/geometry_window.h"
#include "windows/linear_system_window.h"
#include "windows/sequence_window.h"
#include "windows/tool_windows.h"

// The wiring of every compute button, read from its window's panel table: its
// boxes in their order, its labels in theirs, its guard, its run-time errors,
// and the window's exit. The digits themselves are the calculation tables' job.

namespace vorlinde::test {
namespace {

// A known answer (distinct values, so boxes or labels out of order show) and a
// failing input, for one button, each text apart by "|"; the labels after the
// failure where the click wrote some before it failed (the others are emptied).
struct Wiring {
  PanelId panel;
  const char *known, *shown, *failing;
  int error;
  const char* afterError = nullptr;
};

const Wiring kWiring[] = {
    {PanelId::Factorization, "12", " 12 =  2 ×  2 ×  3", "40000", 6},
    {PanelId::Factorial, "5", "阶乘结果是：120", "171", 6},
    {PanelId::DivisorAndMultiple, "12|-18", "结果分别为： 6  36", "40000|1", 6},
    {PanelId::Power, "2|10", "1024", "0|-1", 11},
    {PanelId::RootAndLogarithm, "10", "3.16227766016838|2.30258509299405", "0", 5},
    {PanelId::Trigonometry, "30",
     "0.523598775598298|0.5|0.866025403784439|0.577350269189626|1.73205080756888|"
     "1.15470053837925|2",
     "1E-322", 11, "0|0|1|0|||"},
    {PanelId::Quadratic, "2|-4|-6", "x1=3|x2=-1", "0|0|5", 11},
    {PanelId::TwoUnknowns, "3|4|11|5|-6|-7", "x1=1|x2=2", "1|1|1|1|1|2", 11},
    {PanelId::SpecialSeries, "10", "55|100|110|385|3025|440|0.909090909090909", "46341", 6},
    {PanelId::GeometricSequence, "3|-2|5", "48|33", "1|1|32768", 6},
    {PanelId::ArithmeticSequence, "0.5|0.1|10", "1.4|9.5", "1|2|40000", 6},
    {PanelId::Triangle, "5|2.5", "S=6.25", "1E200|1E200", 6},
    {PanelId::TriangleBySides, "7|8|9", "S=26.8328157299975", "1E103|1E103|1E103", 6},
    {PanelId::Rectangle, "6|7", "S=42", "1E200|1E200", 6},
    {PanelId::Trapezoid, "5|3|2", "S=10.5", "1E200|1E200|1E200", 6},
    {PanelId::Circle, "2", "S=12.5663706143592", "1E200", 6},
    {PanelId::Sector, "7.45|375", "S=181.631506516529", "1E200|1", 6},
    {PanelId::Cylinder, "6.82|364.5", "S=53261.8386543324", "1E200|1", 6},
    {PanelId::Cone, "18.5|225.3", "S=80748.2774354021", "1E200|1", 6},
    {PanelId::Sphere, "4.87", "S=483.810726646464", "1E200", 6},
};

QStringList cells(const char* texts) {
  return QString(texts).split('|');
}

// What a label shows, or a list's last entry.
QString shownIn(QWidget* window, const QString& name) {
  if (auto* list = window->findChild<QListWidget*>(name))
    return list->count() ? list->item(list->count() - 1)->text() : QString();
  return caption(window, name);
}

QStringList shownBy(QWidget* window, const PanelEntry& panel) {
  QStringList shown;
  for (const std::string& label : panel.labels)
    shown << shownIn(window, QString::fromStdString(label));
  return shown;
}

void fill(QWidget* window, const PanelEntry& panel, const QStringList& texts) {
  for (std::size_t i = 0; i < panel.boxes.size(); ++i)
    type(window, QString::fromStdString(panel.boxes[i]), texts.value(int(i)));
}

// A panel reads its boxes and writes its labels in the order the pupil reads
// them: row by row from the top, left to right within a row.
void expectReadingOrder(QWidget* w, const std::vector<std::string>& names,
                        const std::string& where) {
  for (std::size_t i = 1; i < names.size(); ++i) {
    const auto at = [&](std::size_t k) {
      auto* c = find<QWidget>(w, QString::fromStdString(names[k]));
      return c->mapTo(w, c->rect().center());
    };
    const QPoint a = at(i - 1), b = at(i);
    EXPECT_TRUE(b.y() - a.y() > 8 || (std::abs(b.y() - a.y()) <= 8 && b.x() > a.x()))
        << where << ": " << names[i - 1] << " before " << names[i];
  }
}

template <class W>
void expectWiring() {
  Opened<W> opened;
  QWidget* w = opened.window();
  QApplication::setActiveWindow(w);
  for (const PanelEntry& panel : opened.form().panels()) {
    const QString button = QString::fromStdString(panel.button);
    const std::string where = w->objectName().toStdString() + "." + panel.button;
    expectReadingOrder(w, panel.boxes, where);
    expectReadingOrder(w, panel.labels, where);
    const auto row = std::ranges::find(kWiring, panel.id, &Wiring::panel);
    ASSERT_NE(row, std::end(kWiring)) << where;

    fill(w, panel, cells(row->known));
    EXPECT_TRUE(click(w, button).empty()) << where;
    EXPECT_EQ(shownBy(w, panel), cells(row->shown)) << where;

    // Any one box that holds no number stops the click before anything changes.
    for (std::size_t k = 0; panel.guarded && k < panel.boxes.size(); ++k) {
      QStringList texts = cells(row->known);
      texts[int(k)] = "1a";
      fill(w, panel, texts);
      EXPECT_EQ(promptsOf(click(w, button)), QStringList{"请输入数字！"}) << where << " box " << k;
      EXPECT_EQ(shownBy(w, panel), cells(row->shown)) << where << " box " << k;
      auto* refused = find<QLineEdit>(w, QString::fromStdString(panel.boxes[k]));
      EXPECT_TRUE(w->focusWidget() == refused && refused->selectedText() == "1a")
          << where << " box " << k;
    }

    fill(w, panel, cells(row->failing));
    const QStringList prompts = promptsOf(click(w, button));
    ASSERT_EQ(prompts.size(), 1) << where;
    // First what went wrong in the pupil's words, then the error's own report.
    EXPECT_TRUE(prompts[0].endsWith("\n\n" + errorPrompt(row->error))) << where;
    EXPECT_GT(prompts[0].size(), errorPrompt(row->error).size() + 10) << where;
    QStringList emptied;
    for (const std::string& label : panel.labels)
      emptied << (opened.form().label(label) ? "" : shownIn(w, QString::fromStdString(label)));
    EXPECT_EQ(shownBy(w, panel), row->afterError ? cells(row->afterError) : emptied) << where;
  }
  // The exit unloads the window (its controls made anew are the forms layer's test).
  for (QPushButton* exit : w->findChildren<QPushButton*>())
    if (exit->text() == "退 出") click(exit);
  settle();
  EXPECT_FALSE(opened.form().isLoaded());
}

TEST(Windows, EachButtonReadsItsBoxesGuardsThemAndWritesItsLabels) {
  expectWiring<AlgebraWindow>();
  expectWiring<EquationWindow>();
  expectWiring<SequenceWindow>();
  expectWiring<GeometryWindow>();
}

// Types an n-grid's rows ("|" between rows, blanks between cells, "_" an empty box)
// where given, and returns what its boxes show: row i is Text1(i·n) to
// Text1(i·n + n − 1), then Text2(i).
QString grid(QWidget* w, int n, const QString& typed = {}) {
  const QStringList rows = typed.split('|', Qt::SkipEmptyParts);
  QStringList shown;
  for (int i = 0; i < n; ++i) {
    QStringList cells;
    for (int j = 0; j <= n; ++j) {
      const QString box = j < n ? QString("Text1(%1)").arg(i * n + j) : QString("Text2(%1)").arg(i);
      if (i < rows.size()) type(w, box, rows[i].split(' ')[j].replace("_", ""));
      const QString text = find<QLineEdit>(w, box)->text();
      cells << (text.isEmpty() ? "_" : text);
    }
    shown << cells.join(' ');
  }
  return shown.join('|');
}

// "确定" keeps every number in its row and column where the new grid has them,
// and a refused count changes nothing but the message; "计 算" solves the rows
// leniently, after the grid grows and after it shrinks; Tab reads them in order.
TEST(Windows, TheGridKeepsThePupilsNumbers) {
  Opened<LinearSystemWindow> opened;
  QWidget* w = opened.window();
  const auto layOut = [&](const char* count) {
    type(w, "TxtNum", count);
    return promptsOf(click(w, "Command2")).join("");
  };
  const auto solve = [&] {  // the boxes the click showed, then the results
    QStringList shown = promptsOf(click(w, "Command1"));
    for (int j = 0; j < 10; ++j)
      if (auto* x = find<QLabel>(w, QString("Label5(%1)").arg(j)); !x->isHidden())
        shown << x->text();
    return shown;
  };
  layOut("2");
  grid(w, 2, "2 1 4|1 3 7cm");  // 2x + y = 4, x + 3y = 7
  EXPECT_EQ(solve(), QStringList({" 1", " 2"}));
  for (auto [count, ends] : {std::pair<const char*, const char*>{"abc", "请输入数字！"},
                             {"11", kTooManyUnknowns},
                             {"0.4", kTooFewUnknowns},
                             {"40000", "溢出"}}) {
    EXPECT_TRUE(layOut(count).endsWith(ends)) << count;
    EXPECT_EQ(grid(w, 2), "2 1 4|1 3 7cm") << count;
    EXPECT_TRUE(find<QLabel>(w, "Label5(1)")->isVisible()) << count;
  }
  EXPECT_EQ(solve(), QStringList({" 1", " 2"}));
  EXPECT_EQ(layOut("3"), "");
  EXPECT_EQ(grid(w, 3), "2 1 _ 4|1 3 _ 7cm|_ _ _ _");
  EXPECT_TRUE(find<QLabel>(w, "Label4")->isHidden());
  grid(w, 3, "2 1 1 7|1 3 _ 7|_ 1 1 5");
  EXPECT_EQ(solve(), QStringList({" 1", " 2", " 3"}));
  std::vector<std::string> round;  // what Tab visits, in its order
  for (const std::string& name : opened.form().tabOrder())
    if (opened.form().isVisible(name)) round.push_back(name);
  EXPECT_EQ(round.size(), 16u);
  expectReadingOrder(w, round, "Tab");
  EXPECT_EQ(layOut("2"), "");
  EXPECT_EQ(grid(w, 2), "2 1 7|1 3 7");
  EXPECT_EQ(solve(), QStringList({" 2.8", " 1.4"}));
}

// Laid out for ten unknowns by the screen's corner, the window moves left and up
// just as far as it must; a grid that fits leaves it where it is.
TEST(Windows, TheGridStaysOnTheScreen) {
  Opened<LinearSystemWindow> opened;
  QWidget* w = opened.window();
  const QRect screen = w->screen()->availableGeometry();
  w->move(screen.bottomRight() - w->frameGeometry().bottomRight() + w->pos());
  const QPoint corner = w->pos();
  const auto layOut = [&](const char* count) {
    type(w, "TxtNum", count);
    click(w, "Command2");
    return w->pos();
  };
  const QPoint moved = layOut("10");
  EXPECT_EQ(w->frameGeometry().bottomRight(), screen.bottomRight());
  EXPECT_TRUE(moved.x() < corner.x() && moved.y() < corner.y());
  EXPECT_EQ(layOut("1"), moved);
}

// The factorization list shows its newest entry, however many came before it.
TEST(Windows, TheFactorizationListShowsItsNewestEntry) {
  Opened<AlgebraWindow> opened;
  auto* list = find<QListWidget>(opened.window(), "List1");
  for (int n = 2; n < 30; ++n) {
    type(opened.window(), "Text1", QString::number(n));
    click(opened.window(), "Command1");
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(n - 2)))) << n;
  }
}

// Every click that computes is sent to the working once its labels are written,
// with what it read, showed and raised; a refused click and the grid's "确定" are
// not. (How the working is asked for is tested from the program's windows.)
TEST(Windows, CalculationsGoToTheWorking) {
  std::vector<Calculation> sent;
  setWorkingLink({[&](Calculation c) { sent.push_back(std::move(c)); }, [](QWidget*) {}});
  {
    Opened<EquationWindow> opened;
    for (QStringList abc : {QStringList{"1", "-3", "2"}, {"1", "", "2"}, {"0", "0", "5"}}) {
      for (int k = 0; k < 3; ++k)
        type(opened.window(), QString("Text%1").arg(k + 1), abc[k]);
      click(opened.window(), "Command1");
    }
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].texts, (std::vector<std::string>{"1", "-3", "2"}));
    EXPECT_EQ(sent[0].shown[1], "x2=1");
    EXPECT_EQ(sent[1].error, 11);
  }
  {
    Opened<LinearSystemWindow> opened;  // an empty grid of two: singular
    type(opened.window(), "TxtNum", "2");
    click(opened.window(), "Command2");
    click(opened.window(), "Command1");
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2].texts, std::vector<std::string>(6));
    EXPECT_TRUE(QString::fromStdString(sent[2].message).endsWith(QString("\n\n") + kGaussFailed));
  }
  setWorkingLink({});
}

// Return in a box clicks the button of its panel at once (the first in the Tab
// order where two buttons read it); Return on a focused button clicks it.
TEST(Windows, ReturnClicksThePanelsButton) {
  Opened<AlgebraWindow> opened;
  QWidget* w = opened.window();
  QApplication::setActiveWindow(w);
  type(w, "Text5", "2");
  type(w, "Text6", "10");
  // Keys go to the box with the focus, as the pupil's do.
  const auto enter = [&](const char* control, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    find<QWidget>(w, control)->setFocus();
    QTest::keyClick(find<QWidget>(w, control), key, modifiers);
  };
  enter("Text5", Qt::Key_Return);
  EXPECT_EQ(caption(w, "Label15"), "1024");
  EXPECT_EQ(caption(w, "Label20"), "");
  enter("Command6", Qt::Key_Enter);
  EXPECT_EQ(caption(w, "Label20"), "1.4142135623731");
  type(w, "Text7", "30");
  enter("Text7", Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(caption(w, "Label27"), "0.5");
}

}  // namespace
}  // namespace vorlinde::test
