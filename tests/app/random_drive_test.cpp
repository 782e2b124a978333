// A seeded random drive of the whole program, as a pupil who types anything and
// clicks everything would drive it, reading what to type and click from the
// windows' panel tables. VORLINDE_DRIVE_ACTIONS sets the number of actions (3,000
// by default) and VORLINDE_DRIVE_SEED the seed; a failure prints both and the
// last actions, so the case replays.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMap>
#include <QTextEdit>
#include <cstdlib>
#include <deque>
#include <random>

#include "core/limits.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/series.h"
#include "support/program.h"
#include "working/working_window.h"
#include "working/workings.h"

namespace vorlinde::test {
namespace {

long long environmentNumber(const char* name, long long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoll(value, nullptr, 10) : fallback;
}

// mt19937_64's output is fixed by the standard, so a seed replays on any library.
class Random {
 public:
  explicit Random(unsigned long long seed) : engine_(seed) {}
  int below(int n) { return int(engine_() % std::uint64_t(n)); }
  bool chance(int percent) { return below(100) < percent; }

 private:
  std::mt19937_64 engine_;
};

QString number(long long n) {
  return QString::number(n);
}
// clang-format off
const QStringList kTexts = {
    "", " ", "+", "-", ".", "1.", ".5", "1e5", "1D3", "1E400", "-1E400", "1E-400", "1e", "1,000",
    "1,0", "2,5", "&H7FFF", "&O777", "1.79769313486232E+308", "4.94065645841247E-324", "2.5",
    number(kInt16Max) + ".5", number(kInt16Max), number(kInt16Max + 1), number(kInt16Min),
    number(kInt16Min - 1), number(kInt32Max + 1), number(kLargestSeriesTerms),
    number(kLargestSeriesTerms + 1), number(kLargestFactorial), number(kLargestFactorial + 1),
    "0", "-0", "1", "-1", "2", "12", "360", "32749", "abc", "NaN", "12cm", "1 2", "五", "１２．５",
    "－３", "3。5", "-0.5", "0.1", "1E200", "90", "180", "45",
};
// clang-format on

QString randomText(Random& r) {
  if (r.chance(2)) return QString(1000 + r.below(3000), QChar('0' + r.below(10)));
  if (r.chance(60)) return kTexts[r.below(int(std::size(kTexts)))];
  const double value = (r.below(2000001) - 1000000) / double(1 + r.below(1000));
  return QString::number(value, 'g', 1 + r.below(17));
}

const QStringList kPrefixes = {kFactorialPrefix, kDivisorPrefix,    kOnlyRootPrefix,
                               kFirstRootPrefix, kSecondRootPrefix, kMeasurePrefix};
const QStringList kMessages = {kNoRealRoots, kRatioOneFirst, kRatioOneSecond, kRefusedInput,
                               kUndefined};

// Number text reads back as itself.
bool readsBack(const QString& number) {
  const std::string t = number.toStdString();
  return isNumeric(t) && numberText(readDouble(t)) == t;
}

// The grid shows padded number text cut in its fraction: a sign's place, then a number.
bool isGridResult(const QString& text) {
  return (text.startsWith(' ') || text.startsWith('-')) && isNumeric(text.toStdString());
}

bool holdsResult(const QString& text, bool grid) {
  if (text.isEmpty() || kMessages.contains(text)) return true;
  if (grid) return isGridResult(text);
  QString rest = text;
  for (const QString& prefix : kPrefixes)
    if (rest.startsWith(prefix)) rest = rest.mid(prefix.size());
  const QStringList numbers = rest.split(' ', Qt::SkipEmptyParts);
  return !numbers.isEmpty() &&
         std::all_of(numbers.begin(), numbers.end(), [](auto& n) { return readsBack(n); });
}

class Drive {
 public:
  explicit Drive(unsigned long long seed) : random_(seed) {}

  // One action: mostly a click of a compute button after typing into its boxes.
  void step() {
    const int entry = 1 + random_.below(5);
    ToolWindow& tool = program_.tool(entry);
    if (!tool.isLoaded())
      return note("enter " + std::to_string(entry)), void(program_.enter(entry));
    // The working stays open beside the windows, following every calculation.
    if (!workingOpen()) note("working opened"), click(tool.button(kWorkingButton));
    if (random_.chance(4)) {
      note(tool.name() + " closed");
      return random_.chance(50) ? void(tool.window()->close()) : tool.unload();
    }
    const PanelEntry& panel = tool.panels()[random_.below(int(tool.panels().size()))];
    if (tool.control(panel.button)->isHidden()) return;
    for (const std::string& box : panel.boxes) {
      if (tool.control(box)->isHidden()) continue;
      const QString text = randomText(random_);
      type(tool.window(), QString::fromStdString(box), text);
      note(box + " = \"" + text.left(40).toStdString() + "\"");
    }
    note(tool.name() + " clicks " + panel.button);
    const QMap<QString, QString> before = results();
    const std::vector<ShownBox> boxes = click(tool.button(panel.button));
    check(tool, panel, boxes, before);
  }

  bool workingOpen() {
    WorkingWindow* w = program_.working().workings().window();
    return w && w->isVisible();
  }

  // The working window follows the clicks: its text shows a calculation's working.
  void checkWorking() {
    QCoreApplication::processEvents();
    EXPECT_TRUE(workingOpen());
    auto* text = program_.working().workings().window()->findChild<QTextEdit*>("WorkingText");
    ASSERT_TRUE(text);
    EXPECT_FALSE(text->toPlainText().isEmpty());
    EXPECT_FALSE(text->toPlainText().contains(QChar::ObjectReplacementCharacter));
  }

  void printLog() const {
    for (const std::string& line : log_)
      std::fprintf(stderr, "  %s\n", line.c_str());
  }

 private:
  void note(const std::string& line) {
    log_.push_back(line);
    if (log_.size() > 40) log_.pop_front();
  }

  // Every result label of every open window, by window and name.
  QMap<QString, QString> results() {
    QMap<QString, QString> shown;
    for (int entry = 1; entry <= 5; ++entry) {
      ToolWindow& tool = program_.tool(entry);
      for (const PanelEntry& panel : tool.panels())
        for (const std::string& label : panel.labels)
          if (auto* l = tool.label(label); l && !l->isHidden())
            shown[QString::fromStdString(tool.name() + "." + label)] = l->text();
    }
    return shown;
  }

  // One outcome, the program's own box if any; nothing changes on a refusal (the
  // guard's, or any box of a button that only lays the window out), and a click
  // writes only its own panel's labels.
  void check(ToolWindow& tool, const PanelEntry& panel, const std::vector<ShownBox>& boxes,
             const QMap<QString, QString>& before) {
    ASSERT_FALSE(program_.forms().ended());
    ASSERT_LE(boxes.size(), 1u);
    const bool refused =
        !boxes.empty() && (boxes[0].prompt == "请输入数字！" || !panel.calculation);
    for (const ShownBox& box : boxes) {
      EXPECT_EQ(box.title, QString("Vorlinde"));
      EXPECT_EQ(box.buttonCount, 1);
      EXPECT_FALSE(box.hasIcon);
      EXPECT_TRUE(box.whole) << box.prompt.toStdString();
    }
    const QMap<QString, QString> after = results();
    if (refused) {
      EXPECT_EQ(after.keys(), before.keys());
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
      const bool own = it.key().startsWith(QString::fromStdString(tool.name() + ".")) &&
                       std::ranges::count(panel.labels, it.key().section('.', 1).toStdString());
      if (refused || !own) {
        EXPECT_EQ(it.value(), before.value(it.key())) << it.key().toStdString();
      }
      EXPECT_TRUE(holdsResult(it.value(), it.key().startsWith("Form3")))
          << it.key().toStdString() << " shows \"" << it.value().toStdString() << "\"";
    }
  }

  Program program_;
  Random random_;
  std::deque<std::string> log_;
};

TEST(RandomDrive, EveryClickHasOneOutcomeAndTheProgramRunsOn) {
  const long long actions = environmentNumber("VORLINDE_DRIVE_ACTIONS", 3000);
  const long long seed = environmentNumber("VORLINDE_DRIVE_SEED", 20071128);
  Drive drive(seed);
  for (long long i = 0; i < actions && !HasFailure(); ++i)
    drive.step();
  drive.checkWorking();
  if (HasFailure()) {
    std::fprintf(stderr, "seed %lld; the last actions:\n", seed);
    drive.printLog();
  }
}

}  // namespace
}  // namespace vorlinde::test
