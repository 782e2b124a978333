// A seeded random drive of the whole program, as a pupil who types anything and
// clicks everything would drive it. After every action it checks that the
// program still runs, that a click had exactly one outcome, and that every result
// label of every open window holds text of the form its window writes.
//
// VORLINDE_DRIVE_ACTIONS sets the number of actions (20,000 by default),
// VORLINDE_DRIVE_SEED the seed; a failure prints both and the last actions, so
// the case replays with the same two variables.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <array>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "support/program.h"
#include "windows/algebra_window.h"
#include "windows/equation_window.h"
#include "windows/geometry_window.h"
#include "windows/linear_system_window.h"
#include "windows/sequence_window.h"

// Under AddressSanitizer the drive's log is printed before a report ends the run.
#if defined(__SANITIZE_ADDRESS__)
#define VORLINDE_HAVE_SANITIZER_INTERFACE 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORLINDE_HAVE_SANITIZER_INTERFACE 1
#endif
#endif
#ifdef VORLINDE_HAVE_SANITIZER_INTERFACE
#include <sanitizer/common_interface_defs.h>
#endif

namespace vorlinde::test {
namespace {

constexpr long kDefaultActions = 20000;
constexpr unsigned long long kDefaultSeed = 20071128;
constexpr std::size_t kLogShown = 50;

long long environmentNumber(const char* name, long long fallback) {
  const char* value = std::getenv(name);
  if (!value || !*value) return fallback;
  char* end = nullptr;
  const long long n = std::strtoll(value, &end, 10);
  return *end == '\0' ? n : fallback;
}

// mt19937_64's output is fixed by the standard; taking it modulo keeps the drive
// the same on every standard library, which the distributions would not.
class Random {
 public:
  explicit Random(unsigned long long seed) : engine_(seed) {}
  int below(int n) { return int(engine_() % std::uint64_t(n)); }
  long long between(long long low, long long high) {
    return low + (long long)(engine_() % std::uint64_t(high - low + 1));
  }
  bool chance(int percent) { return below(100) < percent; }
  template <class C>
  const auto& pick(const C& items) {
    return items[below(int(std::size(items)))];
  }

 private:
  std::mt19937_64 engine_;
};

// What the pupil types. The order of the draws decides the whole drive: keep it.

// clang-format off
const char* const kNastyTexts[] = {
    // Nothing, blanks and lone signs; exponents, well and badly formed, and beyond the range.
    "", " ", "   ", "+", "-", "+-1", "--1", ".", "-.", "1.", ".5", "-.5",
    "1e5", "1E5", "1D3", "1d-3", "1E400", "-1E400", "1E-400", "1e", "1e+", "E5",
    // Grouping, hexadecimal and octal; huge and tiny values.
    "1,000", "1,000,000.5", ",1", "1,", "1,,0", "&H7FFF", "&HFFFF", "&h10", "&O777", "&o8", "&H",
    "1.79769313486232E+308", "-1.79769313486232E+308", "1.8E+308", "4.94065645841247E-324",
    "2.2250738585072E-308",
    // Exact halves, and the 16-bit and 32-bit limits and one past them.
    "2.5", "3.5", "-2.5", "0.5", "32767.5", "-32768.5", "32766.5", "32767", "32768", "-32768",
    "-32769", "2147483647", "2147483648", "-2147483648", "-2147483649", "2147483647.5",
    // Where the windows' own arithmetic overflows, and ordinary numbers.
    "46340", "46341", "-46341", "170", "171", "0", "-0", "00", "1", "-1", "2", "3", "12", "13",
    "360", "32749",
    // Letters, Chinese text, full-width and other digits.
    "abc", "x", "NaN", "inf", "Infinity", "0x10", "12cm", "1.5.2", " 12 ", "\t5", "1 2", "+ 1",
    "1e 5", "五", "中文", "３", "一二三", "１２", "١٢",
};
// clang-format on

QString longText(Random& r) {
  const int n = int(r.between(1000, 5000));
  const QString texts[] = {QString(n, '9'),
                           "1" + QString(n, '0'),
                           "0." + QString(n, '0') + "1",
                           "-" + QString(n, '1') + ".5",
                           QString(n, 'a'),
                           QString(n / 2, QChar(0x4E2D))};
  return texts[r.below(6)];
}

QString digits(Random& r, int count) {
  QString s;
  for (int i = 0; i < count; ++i)
    s += QChar('0' + r.below(10));
  return s;
}

// Numbers of several shapes, most of them well formed.
QString numberOfSomeShape(Random& r) {
  const int shape = r.below(8);
  if (shape == 0) return QString::number(r.between(-20, 20));
  if (shape == 1) return QString::number(r.between(-40000, 40000));
  if (shape == 2) return QString::number(r.between(-3000000000LL, 3000000000LL));
  if (shape == 3)
    return (r.chance(30) ? "-" : "") + QString::number(r.between(0, 99999)) + "." +
           digits(r, 1 + r.below(18));
  if (shape == 4) {
    const QString s = QString::number(r.between(1, 9)) +
                      (r.chance(50) ? "." + digits(r, 1 + r.below(6)) : "") +
                      QChar("EeDd"[r.below(4)]) + QString::number(r.between(-330, 330));
    return r.chance(30) ? "-" + s : s;
  }
  if (shape == 5) return QString::number(r.between(-40000, 40000)) + ".5";
  if (shape == 6)
    return QString::number(r.between(1, 999)) + "," + QString::number(r.between(100, 999)) +
           (r.chance(50) ? "," + QString::number(r.between(100, 999)) : "");
  return QString::number(double(r.between(-1000000, 1000000)) / double(r.between(1, 1000)), 'g',
                         17);
}

QString randomNumber(Random& r) {
  const QString s = numberOfSomeShape(r);
  return r.chance(5) ? " " + s + " " : s;
}

QString randomText(Random& r) {
  const int k = r.below(100);
  if (k < 45) return QString::fromUtf8(r.pick(kNastyTexts));
  if (k < 47) return longText(r);
  return randomNumber(r);
}

// The number of unknowns typed before "确定": mostly a usable count.
QString randomCount(Random& r) {
  if (r.chance(75)) return QString::number(r.between(-1, 11));
  const char* const odd[] = {"0.5", "1.5", "10.5", "10.4",  "9.5",   "-0.5", "abc",
                             "",    "1E1", "&HA",  "32768", "1E400", "3,",   " 4 "};
  return QString::fromUtf8(r.pick(odd));
}

// coefficients that mostly make a solvable system.
QString randomCoefficient(Random& r) {
  return r.chance(85) ? QString::number(r.between(-9, 9)) : randomText(r);
}

// What a result label may hold, one kind per sort of label.

const QRegularExpression& regex(const char* pattern) {
  static std::map<const char*, QRegularExpression> compiled;
  return compiled.try_emplace(pattern, pattern).first->second;
}

bool matches(const QString& text, const char* pattern) {
  return regex(pattern).match(text).hasMatch();
}

// Number text: at most 15 significant digits, no trailing zeros in a fraction,
// plain from 1E-04 to 15 whole digits, otherwise with an exponent of two or
// three digits; no negative zero.
bool isNumberText(const QString& text) {
  const QRegularExpressionMatch m =
      regex(R"(^(?:0|-?(?:[1-9]\d{0,14}(?:\.\d*[1-9])?|0\.0{0,3}[1-9]\d*|)"
            R"((?<lead>[1-9])(?:\.(?<rest>\d*[1-9]))?E(?<exponent>[+-]\d{2,3})))$)")
          .match(text);
  if (!m.hasMatch()) return false;
  const QString exponent = m.captured("exponent");
  const QString mantissa = exponent.isEmpty() ? text : m.captured("lead") + m.captured("rest");
  int significant = 0;
  for (QChar c : mantissa)
    if (c.isDigit() && (significant > 0 || c != '0')) ++significant;
  if (significant > 15) return false;
  const int e = exponent.toInt();
  return exponent.isEmpty() || ((e < -4 || e > 14) && e <= 308 && e >= -324);
}

// Padded number text cut to six characters after the sign's place, as the grid's
// result labels show it: " 1.5", "-2", " .3333", " 1234.", " 1E-05".
bool isGridResult(const QString& text) {
  if (text.size() < 2 || (text[0] != ' ' && text[0] != '-')) return false;
  const QString body = text.mid(1);
  if (body.contains('E')) return isNumberText(body);
  if (body == "0") return text == " 0";
  if (!matches(body, R"(^(?:[1-9]\d*\.?\d*|\.\d+)$)")) return false;
  const qsizetype stop = text.indexOf('.');
  return stop < 0 || text.size() <= std::max<qsizetype>(stop, 6);
}

bool isPrime(long n) {
  if (n < 2) return false;
  for (long d = 2; d * d <= n; ++d)
    if (n % d == 0) return false;
  return true;
}

// A factorization entry: " 12 =  2 ×  2 ×  3", " 13 =  (素数)", " 2 =  2 (素数)",
// "-7 = ". The factors must multiply to the number, and the prime mark stands
// exactly beside a prime.
bool isFactorization(const QString& text) {
  const QRegularExpressionMatch m =
      regex(R"(^([ -]\d{1,5}) = ((?: \d{1,5})(?: ×  \d{1,5})*)?( \(素数\))?$)").match(text);
  if (!m.hasMatch()) return false;
  const long n = m.captured(1).trimmed().toLong();
  const bool primeMark = !m.captured(3).isEmpty();
  if (n < -32768 || n > 32767 || primeMark != isPrime(n)) return false;
  if (m.captured(2).isEmpty()) return n < 2 || primeMark;
  long product = 1;
  for (const QString& factor : m.captured(2).split(QString::fromUtf8("×"))) {
    const long f = factor.trimmed().toLong();
    if (!isPrime(f)) return false;
    product *= f;
  }
  return product == n && (!primeMark || m.captured(2).trimmed().toLong() == n);
}

// A label of a kind holds number text after one of the prefixes ("" for none),
// one of the fixed texts, a text of the pattern or one the test takes; or nothing,
// unless the grid always fills it.
struct Kind {
  std::vector<const char*> prefixes = {};
  std::vector<const char*> texts = {};
  const char* pattern = nullptr;
  bool (*test)(const QString&) = nullptr;
  bool mayBeEmpty = true;
};

// clang-format off
const Kind kNumber{{""}};
const Kind kFactorial{{"阶乘结果是："}};
const Kind kDivisorMultiple{.pattern = R"(^结果分别为： \d+  \d+$)"};
const Kind kFirstRoot{{"x=", "x1="}, {"无实数根"}};
const Kind kSecondRoot{{"x2="}};
const Kind kSystemFirst{{"x1="}};
const Kind kRatioFirst{{""}, {"对不起，"}};
const Kind kRatioSecond{{""}, {"q不能等于1！"}};
const Kind kArea{{"S="}, {"输入有误！"}};
const Kind kGridHeader{.pattern = R"(^  a\(x,y\) (?: \d{1,2}       )+b$)", .mayBeEmpty = false};
const Kind kGridRows{.pattern = R"(^(?:\d    )+$)", .mayBeEmpty = false};
const Kind kGridResult{.test = isGridResult};
// clang-format on

bool holds(const Kind& kind, const QString& text) {
  if (text.isEmpty()) return kind.mayBeEmpty;
  const auto numberAfter = [&](const char* prefix) {
    const QString p = QString::fromUtf8(prefix);
    return text.startsWith(p) && isNumberText(text.mid(p.size()));
  };
  return std::ranges::any_of(kind.prefixes, numberAfter) ||
         std::ranges::any_of(kind.texts, [&](const char* t) { return text == QString(t); }) ||
         (kind.pattern && matches(text, kind.pattern)) || (kind.test && kind.test(text));
}

struct LabelRule {
  int form;  // 1 to 5
  const Kind* kind;
  std::vector<const char*> labels;
};

// clang-format off
const LabelRule kLabelRules[] = {
    {1, &kFactorial, {"Label5"}},
    {1, &kDivisorMultiple, {"Label9"}},
    {1, &kNumber, {"Label15", "Label20", "Label22", "Label25", "Label27", "Label29", "Label31",
                   "Label33", "Label35", "Label37"}},
    {2, &kFirstRoot, {"Label9"}},
    {2, &kSecondRoot, {"Label10", "Label29"}},
    {2, &kSystemFirst, {"Label28"}},
    {3, &kGridHeader, {"Label1"}},
    {3, &kGridRows, {"Label3"}},
    {3, &kGridResult, {"Label5(0)", "Label5(1)", "Label5(2)", "Label5(3)", "Label5(4)",
                       "Label5(5)", "Label5(6)", "Label5(7)", "Label5(8)", "Label5(9)"}},
    {4, &kNumber, {"Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20",
                   "Label30", "Label31"}},
    {4, &kRatioFirst, {"Label28"}},
    {4, &kRatioSecond, {"Label29"}},
    {5, &kArea, {"Label7", "Label8", "Label15", "Label16", "Label21", "Label23", "Label28",
                 "Label30", "Label32"}},
};
// clang-format on

// What each button does: the boxes it reads and the controls it may change
// ("Label5(" stands for every element, "*" for all). A click that shows a box
// changes none of them unless the rule is not atomic; one without a box leaves
// the first `written` outputs non-empty.

enum Role { Enter, Exit, Compute, Factorize, LayOut, Solve };

struct ButtonRule {
  int form;  // 0 is the main window
  const char* button;
  Role role;
  std::vector<const char*> inputs = {};
  std::vector<const char*> outputs = {};
  bool atomic = true;
  std::size_t written = SIZE_MAX;
};

// The order of the rules decides which one a random fill takes: keep it.
// clang-format off
const ButtonRule kButtonRules[] = {
    {0, "Command1", Enter}, {0, "Command2", Enter}, {0, "Command3", Enter},
    {0, "Command4", Enter}, {0, "Command5", Enter},
    // The caption changes to "重分解" before the number is read.
    {1, "Command1", Factorize, {"Text1"}, {"List1", "Command1"}, false, 0},
    {1, "Command3", Compute, {"Text2"}, {"Label5"}},
    {1, "Command4", Compute, {"Text3", "Text4"}, {"Label9"}},
    {1, "Command5", Compute, {"Text5", "Text6"}, {"Label15"}},
    {1, "Command6", Compute, {"Text5"}, {"Label20", "Label22"}},
    // An error on the way empties the angle's remaining labels.
    {1, "Command7", Compute, {"Text7"},
     {"Label25", "Label27", "Label29", "Label31", "Label33", "Label35", "Label37"}, false},
    {1, "Command2", Exit},
    // A linear equation has one root, and no real root is said in the first label.
    {2, "Command1", Compute, {"Text1", "Text2", "Text3"}, {"Label9", "Label10"}, true, 1},
    {2, "Command3", Compute, {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"},
     {"Label28", "Label29"}},
    {2, "Command2", Exit},
    // "确定" lays the whole window out anew; "too larger/small" come after the reset.
    {3, "Command2", LayOut, {}, {"*"}, false, 0},
    // The results are hidden before the system is read.
    {3, "Command1", Solve, {}, {"Label5(", "Label4"}, false, 0},
    {4, "Command4", Compute, {"Text5", "Text6", "Text7"}, {"Label30", "Label31"}},
    {4, "Command3", Compute, {"Text2", "Text3", "Text4"}, {"Label28", "Label29"}},
    {4, "Command1", Compute, {"Text1"},
     {"Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20"}},
    {4, "Command2", Exit},
    {5, "Command1", Compute, {"Text1", "Text2"}, {"Label7"}},
    {5, "Command2", Compute, {"Text3", "Text4", "Text5"}, {"Label8"}},
    {5, "Command3", Compute, {"Text6", "Text7"}, {"Label15"}},
    {5, "Command4", Compute, {"Text6", "Text7", "Text8"}, {"Label16"}},
    {5, "Command5", Compute, {"Text9"}, {"Label21"}},
    {5, "Command6", Compute, {"Text9", "Text10"}, {"Label23"}},
    {5, "Command7", Compute, {"Text11", "Text12"}, {"Label28"}},
    {5, "Command8", Compute, {"Text11", "Text12"}, {"Label30"}},
    {5, "Command9", Compute, {"Text11"}, {"Label32"}},
    {5, "Command10", Exit},
};
// clang-format on

const ButtonRule* ruleFor(int form, const QString& button) {
  for (const ButtonRule& rule : kButtonRules)
    if (rule.form == form && button == QLatin1String(rule.button)) return &rule;
  return nullptr;
}

bool isOutput(const ButtonRule& rule, const QString& control) {
  return std::ranges::any_of(rule.outputs, [&](const char* out) {
    const QLatin1String o(out);
    return o == QLatin1String("*") || control == o || (o.endsWith('(') && control.startsWith(o));
  });
}

// What the pupil sees: the state of every control of the open windows.

struct ControlState {
  QString name;
  bool hidden = false;
  QString text;   // a list: its last entry
  int count = 0;  // a list's entries
  bool operator==(const ControlState&) const = default;
};

struct WindowState {
  int form = 0;
  QWidget* window = nullptr;
  QSize size;
  std::vector<ControlState> controls;
};

// Labels, buttons and text boxes by their text, lists by their entries.
std::optional<ControlState> stateOf(QWidget* w) {
  auto* list = qobject_cast<QListWidget*>(w);
  if (w->objectName().isEmpty() || !(list || qobject_cast<QLabel*>(w) ||
                                     qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w)))
    return std::nullopt;
  if (!list) return ControlState{w->objectName(), w->isHidden(), w->property("text").toString()};
  const int n = list->count();
  return ControlState{w->objectName(), w->isHidden(), n ? list->item(n - 1)->text() : "", n};
}

const std::string kFormNames[] = {"ForMain", "Form1", "Form2", "Form3", "Form4", "Form5"};
const QStringList kProgramMessages = {"请输入数字！", "Number of input is too larger.",
                                      "Number of input is too small.", "Gauss fail at 1."};

// A text as the log shows it: quoted, and a long one cut short.
std::string shortText(const QString& text) {
  const bool cut = text.size() > 24;
  return QString("\"%1%2\"%3")
      .arg(cut ? text.left(12) : text, cut ? QString::fromUtf8("…") : QString(),
           cut ? QString(" (%1 chars)").arg(text.size()) : QString())
      .toStdString();
}

class Drive {
 public:
  Drive(Program& program, unsigned long long seed, long actions)
      : program_(program), random_(seed), seed_(seed), actions_(actions) {
    FormRegistry& r = program.forms();
    forms_ = {&program.main(),
              &r.instance<AlgebraWindow>(),
              &r.instance<EquationWindow>(),
              &r.instance<LinearSystemWindow>(),
              &r.instance<SequenceWindow>(),
              &r.instance<GeometryWindow>()};
    active_ = this;
  }
  ~Drive() { active_ = nullptr; }

  const std::map<std::string, long>& outcomes() const { return outcomes_; }
  long done() const { return index_; }

  // Printed when the process dies under the drive (a crash or a sanitizer report).
  static void printOnDeath() {
    if (active_) std::fputs(active_->replay("the program died").c_str(), stderr);
  }

  void run() {
    for (int f = 1; f <= 5 && !failed_; ++f)
      enter(f);
    for (; index_ < actions_ && !failed_ && !::testing::Test::HasFailure(); ++index_)
      step();
    if (!failed_ && ::testing::Test::HasFailure())
      check(false, "a check of the test support failed");
  }

  // The main window's exit, as the last action, ends the program.
  void finish() {
    if (failed_) return;
    log("click MainWindow.Command6 \"退 出\"");
    const std::vector<ShownBox> boxes = click(forms_[0]->window(), "Command6");
    settle();
    check(boxes.empty() && program_.forms().ended() && !program_.forms().anyLoaded(),
          "the main window's exit did not end the program");
  }

 private:
  // One action: about a third of them type into a box, a quarter click a button,
  // a quarter fill one panel's boxes and compute it; the rest lay out and solve the
  // grid, open a window from the main window or close one by its close box.
  void step() {
    const std::vector<int> tools = openForms(true);
    if (tools.empty() || random_.chance(3)) {
      enter(1 + random_.below(5));
    } else {
      const int k = random_.below(100);
      const bool gridShown = isOpen(3) && forms_[3]->isVisible("Command1");
      if (k < 35) {
        const int form = random_.pick(tools);
        std::vector<QLineEdit*> boxes;
        for (QLineEdit* box : forms_[form]->window()->findChildren<QLineEdit*>())
          if (!box->isHidden() && !box->isReadOnly()) boxes.push_back(box);
        typeInto(
            form, random_.pick(boxes),
            form == 3 && random_.chance(60) ? randomCoefficient(random_) : randomText(random_));
      } else if (k < 60) {
        const int form = random_.pick(tools);
        std::vector<QPushButton*> buttons;
        for (QPushButton* b : forms_[form]->window()->findChildren<QPushButton*>()) {
          const ButtonRule* rule = ruleFor(form, b->objectName());
          // Leaving is one click among many, but not as often as a sum.
          if (b->isVisible() && rule && (rule->role != Exit || random_.chance(25)))
            buttons.push_back(b);
        }
        if (!buttons.empty()) clickButton(form, random_.pick(buttons));
      } else if (k < 85) {
        fillAndClick();
      } else if (k < 98 && !isOpen(3)) {
        enter(3);
      } else if (k < 92 || (k < 98 && !gridShown)) {
        typeInto(3, forms_[3]->textBox("TxtNum"), randomCount(random_));
        clickButton(3, forms_[3]->button("Command2"));
      } else if (k < 98) {
        for (QLineEdit* box : forms_[3]->window()->findChildren<QLineEdit*>())
          if (!box->isHidden() && box->objectName() != "TxtNum" && random_.chance(80))
            typeInto(3, box, randomCoefficient(random_));
        clickButton(3, forms_[3]->button("Command1"));
      } else {
        closeWindow(tools);
      }
    }
    checkEverything();
  }

  void typeInto(int form, QLineEdit* box, const QString& text) {
    log(kFormNames[form] + "." + box->objectName().toStdString() + " := " + shortText(text));
    box->setText(text);
    ++outcomes_["typed"];
  }

  void enter(int form) { clickButton(0, forms_[0]->button("Command" + std::to_string(form))); }

  // New texts in the boxes one compute button reads, then that button.
  void fillAndClick() {
    std::vector<const ButtonRule*> candidates;
    for (const ButtonRule& rule : kButtonRules)
      if (rule.form > 0 && isOpen(rule.form) && !rule.inputs.empty()) candidates.push_back(&rule);
    if (candidates.empty()) return;
    const ButtonRule& rule = *random_.pick(candidates);
    for (const char* input : rule.inputs)
      if (random_.chance(70)) {
        // Mostly plain numbers, so the sums are done as often as they are refused.
        const QString text = random_.chance(60) ? randomNumber(random_) : randomText(random_);
        typeInto(rule.form, forms_[rule.form]->textBox(input), text);
      }
    clickButton(rule.form, forms_[rule.form]->button(rule.button));
  }

  void closeWindow(const std::vector<int>& tools) {
    const int form = random_.pick(tools);
    log("close " + kFormNames[form]);
    forms_[form]->window()->close();
    settle();
    ++outcomes_["window closed"];
    check(!isOpen(form), kFormNames[form] + " stayed loaded after its close box");
  }

  // Clicks the button and checks that it had exactly one outcome: its own labels
  // written, nothing changed, or one of the program's boxes.
  void clickButton(int form, QPushButton* button) {
    if (!check(button != nullptr, "the button to click is missing")) return;
    const QString name = button->objectName();
    const std::string where = kFormNames[form] + "." + name.toStdString();
    log("click " + where + " \"" + button->text().toStdString() + "\"");
    const ButtonRule* rule = ruleFor(form, name);
    if (!check(rule != nullptr, "no rule for the button")) return;
    const std::vector<WindowState> before = snapshot();
    QListWidget* list = forms_[1]->listBox("List1");
    const int entries = list ? list->count() : 0;
    const std::vector<ShownBox> boxes = click(button);
    settle();
    if (!check(boxes.size() <= 1, where + " showed " + std::to_string(boxes.size()) +
                                      " boxes: " + promptsOf(boxes).join(" | ").toStdString()))
      return;
    check(!program_.forms().ended() && isOpen(0) && forms_[0]->window()->isVisible(),
          "the program ended after " + where);
    const QString prompt = boxes.empty() ? QString() : boxes.front().prompt;
    if (!boxes.empty()) checkBox(where, *rule, boxes.front());

    if (rule->role == Enter) {
      const int target = name.back().digitValue();
      check(boxes.empty() && isOpen(target) && forms_[target]->window()->isVisible(),
            where + " did not open " + kFormNames[target]);
      ++outcomes_["window opened"];
      return;
    }
    if (rule->role == Exit) {
      check(boxes.empty() && !isOpen(form), where + " did not unload its window");
      ++outcomes_["window unloaded"];
      return;
    }
    // A refused click, or a run-time error in a button that computes before it
    // writes, changes nothing.
    const bool mayChange = boxes.empty() || (prompt != kProgramMessages[0] && !rule->atomic);
    const bool changed = checkChanges(form, *rule, before, mayChange, where, prompt);
    if (failed_) return;

    // A click without a box has done its work, whatever it showed before.
    Form& f = *forms_[form];
    if (rule->role == Factorize)
      check(f.listBox("List1")->count() == entries + (boxes.empty() ? 1 : 0),
            where + " did not add exactly one entry, or added one beside its error");
    if (!boxes.empty()) {
      if (rule->role == Solve)
        check(gridResultsShown(f, false, 0),
              where + " left results standing beside \"" + prompt.toStdString() + "\"");
      return;
    }
    ++outcomes_[changed ? "labels written" : "nothing changed"];
    for (std::size_t k = 0; k < std::min(rule->written, rule->outputs.size()); ++k)
      check(!f.caption(rule->outputs[k]).empty(), where + " left " + rule->outputs[k] + " empty");
    if (rule->role == LayOut)
      check(f.isVisible("Command1") && f.isVisible("Text1(0)") && f.isVisible("Label1") &&
                f.isVisible("Label3"),
            where + " did not lay out the grid");
    if (rule->role == Solve) {
      int rows = 0;
      while (rows < 10 && f.isVisible("Text2(" + std::to_string(rows) + ")"))
        ++rows;
      check(gridResultsShown(f, true, rows), where + " did not show one result per unknown");
    }
  }

  // The box is one of the program's own, in its own dress, and shown by a button
  // that may show it.
  void checkBox(const std::string& where, const ButtonRule& rule, const ShownBox& box) {
    const QString& prompt = box.prompt;
    check(box.title == "Vorlinde" && !box.hasIcon && box.buttonCount == 1,
          "the box after " + where + " is not the program's: title " + box.title.toStdString());
    int error = 0;
    for (int n : {5, 6, 9, 11, 13})
      if (prompt == errorPrompt(n)) error = n;
    check(kProgramMessages.contains(prompt) || error != 0,
          where + " showed the unknown box \"" + prompt.toStdString() + "\"");
    // The numeric guard passes only texts that strict reading takes, and every
    // other box belongs to one button.
    check(error != 13 || rule.role == Factorize || rule.role == Solve,
          where + " passed the numeric guard and then could not read a number");
    check(prompt != kProgramMessages[3] || rule.role == Solve,
          where + " showed the solver's message");
    check((prompt != kProgramMessages[1] && prompt != kProgramMessages[2]) || rule.role == LayOut,
          where + " showed the count's message");
    ++outcomes_[error ? "运行时错误 " + std::to_string(error) : prompt.toStdString()];
  }

  // Every change lies in the clicked button's own outputs, and only when it may
  // change them; returns whether anything changed.
  bool checkChanges(int form, const ButtonRule& rule, const std::vector<WindowState>& before,
                    bool mayChange, const std::string& where, const QString& prompt) {
    const std::vector<WindowState> after = snapshot();
    check(after.size() == before.size(), where + " opened or closed a window");
    bool changed = false;
    for (std::size_t w = 0; w < std::min(after.size(), before.size()); ++w) {
      const WindowState &a = after[w], &b = before[w];
      if (!check(a.window == b.window && a.controls.size() == b.controls.size(),
                 where + " rebuilt " + kFormNames[a.form]))
        return changed;
      if (a.size != b.size)
        check(a.form == form && mayChange && isOutput(rule, "*"),
              where + " resized " + kFormNames[a.form]);
      for (std::size_t c = 0; c < a.controls.size(); ++c) {
        if (a.controls[c] == b.controls[c]) continue;
        changed = true;
        const QString control = a.controls[c].name;
        check(a.form == form && mayChange && isOutput(rule, control),
              where + " changed " + kFormNames[a.form] + "." + control.toStdString() + " from " +
                  shortText(b.controls[c].text) + " to " + shortText(a.controls[c].text) +
                  (prompt.isEmpty() ? "" : " and showed \"" + prompt.toStdString() + "\""));
      }
    }
    return changed;
  }

  // Whether the grid shows its results' heading as asked and exactly the first
  // `rows` results.
  static bool gridResultsShown(const Form& f, bool heading, int rows) {
    bool shown = f.isVisible("Label4") == heading;
    for (int k = 0; k < 10; ++k)
      shown = shown && f.isVisible("Label5(" + std::to_string(k) + ")") == (k < rows);
    return shown;
  }

  void checkLabels(int form) {
    const std::string& name = kFormNames[form];
    for (const LabelRule& rule : kLabelRules) {
      if (rule.form != form) continue;
      for (const char* label : rule.labels) {
        QLabel* l = forms_[form]->label(label);
        if (!check(l != nullptr, name + "." + label + " is missing")) return;
        // The grid's labels keep their design-time names until "确定" writes them.
        const bool designName = l->isHidden() && form == 3 && l->text() == QString(label).left(6);
        check(designName || holds(*rule.kind, l->text()),
              name + "." + label + " holds " + shortText(l->text()));
      }
    }
    if (form == 1) {
      QListWidget* list = forms_[1]->listBox("List1");
      if (check(list != nullptr, "Form1.List1 is missing") && list->count() > 0)
        check(isFactorization(list->item(list->count() - 1)->text()),
              "Form1.List1 holds " + shortText(list->item(list->count() - 1)->text()));
    }
  }

  // Every open window answers: it is shown, its controls are there, and a posted
  // call comes back through the event loop.
  void checkEverything() {
    if (failed_) return;
    check(!program_.forms().ended() && isOpen(0), "the program has ended");
    for (int f : openForms(false)) {
      QWidget* window = forms_[f]->window();
      check(window->isVisible() && window->isWindow() &&
                window->objectName() == kFormNames[f].c_str(),
            kFormNames[f] + " is loaded but not shown");
      for (const ButtonRule& rule : kButtonRules)
        if (rule.form == f)
          check(forms_[f]->button(rule.button) != nullptr &&
                    window->findChild<QPushButton*>(rule.button) == forms_[f]->button(rule.button),
                kFormNames[f] + "." + rule.button + " is gone");
      if (f > 0) checkLabels(f);
    }
    bool answered = false;
    QObject call;  // a late answer goes nowhere
    QTimer::singleShot(0, &call, [&answered] { answered = true; });
    QElapsedTimer clock;
    clock.start();
    while (!answered && clock.elapsed() < 10000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    check(answered, "the event loop did not answer within 10 s");
  }

  bool isOpen(int form) const { return forms_[form]->isLoaded(); }

  std::vector<int> openForms(bool tools) const {
    std::vector<int> open;
    for (int f = tools ? 1 : 0; f <= 5; ++f)
      if (isOpen(f)) open.push_back(f);
    return open;
  }

  std::vector<WindowState> snapshot() const {
    std::vector<WindowState> states;
    for (int f : openForms(false)) {
      WindowState w{f, forms_[f]->window(), forms_[f]->window()->size(), {}};
      for (QWidget* c : w.window->findChildren<QWidget*>())
        if (std::optional<ControlState> s = stateOf(c)) w.controls.push_back(*s);
      states.push_back(std::move(w));
    }
    return states;
  }

  bool check(bool condition, const std::string& what) {
    if (!condition && !failed_) {
      failed_ = true;
      ADD_FAILURE() << replay(what);
    }
    return condition;
  }

  void log(const std::string& action) {
    log_.push_back(QString("#%1 ").arg(index_).toStdString() + action);
    if (log_.size() > kLogShown) log_.pop_front();
  }

  std::string replay(const std::string& what) const {
    std::string s = what + "\nseed " + std::to_string(seed_) + ", action " +
                    std::to_string(index_) + " of " + std::to_string(actions_) +
                    "; replay with VORLINDE_DRIVE_SEED=" + std::to_string(seed_) +
                    " VORLINDE_DRIVE_ACTIONS=" + std::to_string(index_ + 1) + "\nlast actions:\n";
    for (const std::string& line : log_)
      s += "  " + line + "\n";
    return s;
  }

  Program& program_;
  Random random_;
  unsigned long long seed_;
  long actions_;
  long index_ = 0;
  bool failed_ = false;
  std::array<Form*, 6> forms_;
  std::deque<std::string> log_;
  std::map<std::string, long> outcomes_;
  static inline Drive* active_ = nullptr;
};

extern "C" void onFatalSignal(int signal) {
  Drive::printOnDeath();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// The drive is only as good as its label rules: each takes what its window
// writes and refuses what a fault would leave.
TEST(RandomDrive, LabelRulesTellNumberTextFromOtherText) {
  // clang-format off
  const struct {
    const Kind* kind;
    std::vector<const char*> taken, refused;
  } cases[] = {
      {&kNumber, {"", "-1.5", "0.333333333333333", "0.0001", "1E-05", "6.402373705728E+15",
                  "-1.79769313486232E+308", "123456789012345"},
                 // 16 whole digits need an exponent, and 1E+14 is written plain.
                 {"1234567890123456", "0.1234567890123456", "1.50", "-0", ".5", "1E+14",
                  "1.5E+400", "inf", "nan", "1e-05"}},
      {&kFactorial, {"阶乘结果是：120"}, {"阶乘结果是："}},
      {&kDivisorMultiple, {"结果分别为： 6  36"}, {"结果分别为： -6  36"}},
      {&kFirstRoot, {"x=-0.5", "无实数根"}, {"x2=1"}},
      {&kRatioSecond, {"q不能等于1！"}, {}},
      {&kArea, {"S=0", "输入有误！"}, {"S="}},
      {&kGridHeader, {"  a(x,y)  1        2       b"}, {""}},
      {&kGridRows, {"1    2    0    "}, {}},
      {&kGridResult, {" .3333", " 1234.", "-2", " 0", " 1E-05"}, {" .33333", "0.5", "-0"}},
  };
  const std::vector<const char*> entriesTaken = {
      " 12 =  2 ×  2 ×  3", " 13 =  (素数)", " 2 =  2 (素数)", "-7 = ", " 0 = "};
  const std::vector<const char*> entriesRefused = {
      " 12 =  2 ×  6", " 12 =  2 ×  3", " 15 =  3 ×  5 (素数)", " 13 = "};
  // clang-format on
  for (const auto& c : cases) {
    for (const char* text : c.taken)
      EXPECT_TRUE(holds(*c.kind, QString::fromUtf8(text))) << text;
    for (const char* text : c.refused)
      EXPECT_FALSE(holds(*c.kind, QString::fromUtf8(text))) << text;
  }
  for (const char* text : entriesTaken)
    EXPECT_TRUE(isFactorization(QString::fromUtf8(text))) << text;
  for (const char* text : entriesRefused)
    EXPECT_FALSE(isFactorization(QString::fromUtf8(text))) << text;
}

TEST(RandomDrive, EveryActionHasOneOutcomeAndTheProgramRuns) {
  const auto seed = static_cast<unsigned long long>(
      environmentNumber("VORLINDE_DRIVE_SEED", static_cast<long long>(kDefaultSeed)));
  const long actions = long(environmentNumber("VORLINDE_DRIVE_ACTIONS", kDefaultActions));
  Program program;
  Drive drive(program, seed, actions);
  // An escaping exception aborts; the sanitizers report faults themselves and
  // then call back, elsewhere a fault is a signal.
  std::signal(SIGABRT, onFatalSignal);
#ifdef VORLINDE_HAVE_SANITIZER_INTERFACE
  __sanitizer_set_death_callback(&Drive::printOnDeath);
#else
  for (int s : {SIGSEGV, SIGFPE, SIGBUS, SIGILL})
    std::signal(s, onFatalSignal);
#endif
  QElapsedTimer clock;
  clock.start();
  drive.run();
  drive.finish();
  std::printf("seed %llu, %ld actions in %.1f s\n", seed, drive.done(),
              double(clock.elapsed()) / 1000);
  for (const auto& [outcome, count] : drive.outcomes())
    std::printf("  %s: %ld\n", outcome.c_str(), count);
  EXPECT_EQ(drive.done(), actions);
}

}  // namespace
}  // namespace vorlinde::test
