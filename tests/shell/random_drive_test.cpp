// A seeded random drive of the whole program, as a pupil who types anything and
// clicks everything would drive it. After every action it checks that the
// program still runs, that a click had exactly one outcome, and that every result
// label of every open window holds text of the form its window writes.
//
// VORLINDE_DRIVE_ACTIONS sets the number of actions (20,000 by default),
// VORLINDE_DRIVE_SEED the seed; a failure prints both and the last actions, so
// the case replays with the same two variables.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "algebra/form1.h"
#include "equations/form2.h"
#include "geometry/form5.h"
#include "linsys/form3.h"
#include "sequences/form4.h"
#include "support/program.h"

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
  long long n = std::strtoll(value, &end, 10);
  return end && *end == '\0' ? n : fallback;
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
  template <class T, std::size_t N>
  const T& pick(const T (&items)[N]) {
    return items[below(int(N))];
  }
  template <class T>
  T pick(const std::vector<T>& items) {
    return items[below(int(items.size()))];
  }

 private:
  std::mt19937_64 engine_;
};

// ---------------------------------------------------------------------------
// What the pupil types.

// clang-format off
const char* const kNastyTexts[] = {
    // Nothing, blanks and lone signs.
    "", " ", "   ", "+", "-", "+-1", "--1", ".", "-.", "1.", ".5", "-.5",
    // Exponents, well and badly formed, and beyond the double range.
    "1e5", "1E5", "1D3", "1d-3", "1E400", "-1E400", "1E-400", "1e", "1e+", "E5",
    // Grouping, hexadecimal and octal.
    "1,000", "1,000,000.5", ",1", "1,", "1,,0", "&H7FFF", "&HFFFF", "&h10", "&O777", "&o8", "&H",
    // Huge and tiny values.
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
  switch (r.below(6)) {
    case 0:
      return QString(n, '9');
    case 1:
      return "1" + QString(n, '0');
    case 2:
      return "0." + QString(n, '0') + "1";
    case 3:
      return "-" + QString(n, '1') + ".5";
    case 4:
      return QString(n, 'a');
    default:
      return QString(n / 2, QChar(0x4E2D));
  }
}

QString digits(Random& r, int count) {
  QString s;
  for (int i = 0; i < count; ++i)
    s += QChar('0' + r.below(10));
  return s;
}

// Numbers of several shapes, most of them well formed.
QString randomNumber(Random& r) {
  QString s;
  switch (r.below(8)) {
    case 0:
      s = QString::number(r.between(-20, 20));
      break;
    case 1:
      s = QString::number(r.between(-40000, 40000));
      break;
    case 2:
      s = QString::number(r.between(-3000000000LL, 3000000000LL));
      break;
    case 3:
      s = (r.chance(30) ? "-" : "") + QString::number(r.between(0, 99999)) + "." +
          digits(r, 1 + r.below(18));
      break;
    case 4: {
      const char letters[] = {'E', 'e', 'D', 'd'};
      s = QString::number(r.between(1, 9)) + (r.chance(50) ? "." + digits(r, 1 + r.below(6)) : "") +
          QChar(r.pick(letters)) + QString::number(r.between(-330, 330));
      if (r.chance(30)) s.prepend('-');
      break;
    }
    case 5:
      s = QString::number(r.between(-40000, 40000)) + ".5";
      break;
    case 6:
      s = QString::number(r.between(1, 999)) + "," + QString::number(r.between(100, 999)) +
          (r.chance(50) ? "," + QString::number(r.between(100, 999)) : "");
      break;
    default:
      s = QString::number(double(r.between(-1000000, 1000000)) / double(r.between(1, 1000)), 'g',
                          17);
      break;
  }
  if (r.chance(5)) s = " " + s + " ";
  return s;
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

// Coefficients that mostly make a solvable system.
QString randomCoefficient(Random& r) {
  if (r.chance(85)) return QString::number(r.between(-9, 9));
  return randomText(r);
}

// ---------------------------------------------------------------------------
// What a result label may hold, one rule per kind of label.

// Number text: at most 15 significant digits, no trailing zeros in a fraction,
// plain from 1E-04 to 15 whole digits, otherwise with an exponent of two or
// three digits; no negative zero.
const QRegularExpression kNumberShape(
    R"(^(?:0|-?(?:[1-9]\d{0,14}(?:\.\d*[1-9])?|0\.0{0,3}[1-9]\d*|)"
    R"((?<lead>[1-9])(?:\.(?<rest>\d*[1-9]))?E(?<exponent>[+-]\d{2,3})))$)");

bool isNumberText(const QString& text) {
  const QRegularExpressionMatch m = kNumberShape.match(text);
  if (!m.hasMatch()) return false;
  const QString exponent = m.captured("exponent");
  const QString mantissa = exponent.isEmpty() ? text : m.captured("lead") + m.captured("rest");
  int significant = 0;
  for (QChar c : mantissa)
    if (c.isDigit() && (significant > 0 || c != '0')) ++significant;
  if (significant > 15) return false;
  if (exponent.isEmpty()) return true;
  const int e = exponent.toInt();
  return (e < -4 || e > 14) && e <= 308 && e >= -324;
}

// Padded number text cut to six characters after the sign's place, as the grid's
// result labels show it: " 1.5", "-2", " .3333", " 1234.", " 1E-05".
bool isGridResult(const QString& text) {
  if (text.size() < 2 || (text[0] != ' ' && text[0] != '-')) return false;
  const QString body = text.mid(1);
  if (body.contains('E')) return isNumberText(body);
  if (body == "0") return text == " 0";
  static const QRegularExpression shape(R"(^(?:[1-9]\d*\.?\d*|\.\d+)$)");
  if (!shape.match(body).hasMatch()) return false;
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
  static const QRegularExpression shape(
      QString::fromUtf8(R"(^([ -]\d{1,5}) = ((?: \d{1,5})(?: ×  \d{1,5})*)?( \(素数\))?$)"));
  const QRegularExpressionMatch m = shape.match(text);
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

enum class Kind {
  Number,           // number text or empty
  Factorial,        // "阶乘结果是：120"
  DivisorMultiple,  // "结果分别为： 6  36"
  FirstRoot,        // "x=..", "x1=..", "无实数根"
  SecondRoot,       // "x2=.."
  SystemFirst,      // "x1=.."
  RatioFirst,       // number text or "对不起，"
  RatioSecond,      // number text or "q不能等于1！"
  Area,             // "S=.." or "输入有误！"
  GridHeader,       // "  a(x,y)  1        2       b"
  GridRows,         // "1    2    "
  GridResult,       // " .3333"
};

bool afterPrefix(const QString& text, const char* prefix) {
  const QString p = QString::fromUtf8(prefix);
  return text.startsWith(p) && isNumberText(text.mid(p.size()));
}

bool holds(Kind kind, const QString& text) {
  if (text.isEmpty()) return kind != Kind::GridHeader && kind != Kind::GridRows;
  switch (kind) {
    case Kind::Number:
      return isNumberText(text);
    case Kind::Factorial:
      return afterPrefix(text, "阶乘结果是：");
    case Kind::DivisorMultiple: {
      static const QRegularExpression shape(QString::fromUtf8(R"(^结果分别为： \d+  \d+$)"));
      return shape.match(text).hasMatch();
    }
    case Kind::FirstRoot:
      return afterPrefix(text, "x=") || afterPrefix(text, "x1=") ||
             text == QString::fromUtf8("无实数根");
    case Kind::SecondRoot:
      return afterPrefix(text, "x2=");
    case Kind::SystemFirst:
      return afterPrefix(text, "x1=");
    case Kind::RatioFirst:
      return isNumberText(text) || text == QString::fromUtf8("对不起，");
    case Kind::RatioSecond:
      return isNumberText(text) || text == QString::fromUtf8("q不能等于1！");
    case Kind::Area:
      return afterPrefix(text, "S=") || text == QString::fromUtf8("输入有误！");
    case Kind::GridHeader: {
      static const QRegularExpression shape(R"(^  a\(x,y\) (?: \d{1,2}       )+b$)");
      return shape.match(text).hasMatch();
    }
    case Kind::GridRows: {
      static const QRegularExpression shape(R"(^(?:\d    )+$)");
      return shape.match(text).hasMatch();
    }
    case Kind::GridResult:
      return isGridResult(text);
  }
  return false;
}

struct LabelRule {
  int form;  // 1 to 5
  const char* label;
  Kind kind;
};

const std::vector<LabelRule>& labelRules() {
  static const std::vector<LabelRule> rules = [] {
    using enum Kind;
    std::vector<LabelRule> r = {
        {1, "Label5", Factorial},    {1, "Label9", DivisorMultiple}, {1, "Label15", Number},
        {1, "Label20", Number},      {1, "Label22", Number},         {1, "Label25", Number},
        {1, "Label27", Number},      {1, "Label29", Number},         {1, "Label31", Number},
        {1, "Label33", Number},      {1, "Label35", Number},         {1, "Label37", Number},
        {2, "Label9", FirstRoot},    {2, "Label10", SecondRoot},     {2, "Label28", SystemFirst},
        {2, "Label29", SecondRoot},  {3, "Label1", GridHeader},      {3, "Label3", GridRows},
        {4, "Label30", Number},      {4, "Label31", Number},         {4, "Label28", RatioFirst},
        {4, "Label29", RatioSecond},
    };
    for (const char* l :
         {"Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Label20"})
      r.push_back({4, l, Number});
    for (const char* l : {"Label7", "Label8", "Label15", "Label16", "Label21", "Label23", "Label28",
                          "Label30", "Label32"})
      r.push_back({5, l, Area});
    for (const char* l : {"Label5(0)", "Label5(1)", "Label5(2)", "Label5(3)", "Label5(4)",
                          "Label5(5)", "Label5(6)", "Label5(7)", "Label5(8)", "Label5(9)"})
      r.push_back({3, l, GridResult});
    return r;
  }();
  return rules;
}

// ---------------------------------------------------------------------------
// What each button does.

enum class Role { Enter, Exit, Compute, Factorize, LayOut, Solve };

struct ButtonRule {
  int form;  // 0 is the main window
  const char* button;
  Role role;
  std::vector<const char*> inputs;
  // The controls the click may change; "Label5(" stands for every element. A
  // click that shows a box changes none of them unless the rule is not atomic.
  std::vector<const char*> outputs;
  bool atomic = true;
  // How many of the outputs, from the first, every click without a box leaves
  // non-empty.
  std::size_t written = SIZE_MAX;
};

const std::vector<ButtonRule>& buttonRules() {
  using enum Role;
  static const std::vector<const char*> trig = {"Label25", "Label27", "Label29", "Label31",
                                                "Label33", "Label35", "Label37"};
  static const std::vector<const char*> series = {"Label14", "Label15", "Label16", "Label17",
                                                  "Label18", "Label19", "Label20"};
  static const std::vector<ButtonRule> rules = {
      {0, "Command1", Enter},
      {0, "Command2", Enter},
      {0, "Command3", Enter},
      {0, "Command4", Enter},
      {0, "Command5", Enter},
      // The caption changes to "重分解" before the number is read.
      {1, "Command1", Factorize, {"Text1"}, {"List1", "Command1"}, false, 0},
      {1, "Command3", Compute, {"Text2"}, {"Label5"}},
      {1, "Command4", Compute, {"Text3", "Text4"}, {"Label9"}},
      {1, "Command5", Compute, {"Text5", "Text6"}, {"Label15"}},
      {1, "Command6", Compute, {"Text5"}, {"Label20", "Label22"}},
      // An error on the way empties the angle's remaining labels.
      {1, "Command7", Compute, {"Text7"}, trig, false},
      {1, "Command2", Exit},
      // A linear equation has one root, and no real root is said in the first label.
      {2, "Command1", Compute, {"Text1", "Text2", "Text3"}, {"Label9", "Label10"}, true, 1},
      {2,
       "Command3",
       Compute,
       {"Text4", "Text5", "Text6", "Text7", "Text8", "Text9"},
       {"Label28", "Label29"}},
      {2, "Command2", Exit},
      // "确定" lays the whole window out anew; "too larger/small" come after the reset.
      {3, "Command2", LayOut, {"TxtNum"}, {"*"}, false, 0},
      // The results are hidden before the system is read.
      {3, "Command1", Solve, {}, {"Label5(", "Label4"}, false, 0},
      {4, "Command4", Compute, {"Text5", "Text6", "Text7"}, {"Label30", "Label31"}},
      {4, "Command3", Compute, {"Text2", "Text3", "Text4"}, {"Label28", "Label29"}},
      {4, "Command1", Compute, {"Text1"}, series},
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
  return rules;
}

const ButtonRule* ruleFor(int form, const QString& button) {
  for (const ButtonRule& rule : buttonRules())
    if (rule.form == form && button == QLatin1String(rule.button)) return &rule;
  return nullptr;
}

bool isOutput(const ButtonRule& rule, const QString& control) {
  for (const char* out : rule.outputs) {
    const QLatin1String o(out);
    if (o == QLatin1String("*") || control == o || (o.endsWith('(') && control.startsWith(o)))
      return true;
  }
  return false;
}

// ---------------------------------------------------------------------------
// What the pupil sees: the state of every control of the open windows.

struct ControlState {
  QString name;
  bool hidden = false;
  QString text;
  int count = 0;  // a list's entries
  bool operator==(const ControlState&) const = default;
};

struct WindowState {
  int form = 0;
  QWidget* window = nullptr;
  QSize size;
  std::vector<ControlState> controls;
};

ControlState stateOf(QWidget* w) {
  ControlState s{w->objectName(), w->isHidden()};
  if (auto* l = qobject_cast<QLabel*>(w)) {
    s.text = l->text();
  } else if (auto* b = qobject_cast<QPushButton*>(w)) {
    s.text = b->text();
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    s.text = e->text();
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    s.count = list->count();
    if (s.count > 0) s.text = list->item(s.count - 1)->text();
  }
  return s;
}

bool isWatched(QWidget* w) {
  return !w->objectName().isEmpty() &&
         (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w) ||
          qobject_cast<QLineEdit*>(w) || qobject_cast<QListWidget*>(w));
}

const char* const kFormNames[] = {"ForMain", "Form1", "Form2", "Form3", "Form4", "Form5"};

// The outcome names counted for the figures.
const char* const kWritten = "labels written";
const char* const kUnchanged = "nothing changed";

class Drive {
 public:
  Drive(Program& program, unsigned long long seed, long actions)
      : program_(program), random_(seed), seed_(seed), actions_(actions) {
    forms_[0] = &program.main();
    forms_[1] = &program.forms().instance<Form1>();
    forms_[2] = &program.forms().instance<Form2>();
    forms_[3] = &program.forms().instance<Form3>();
    forms_[4] = &program.forms().instance<Form4>();
    forms_[5] = &program.forms().instance<Form5>();
    active_ = this;
  }
  ~Drive() { active_ = nullptr; }

  void run();
  void finish();
  const std::map<std::string, long>& outcomes() const { return outcomes_; }
  long done() const { return index_; }

  // Printed when the process dies under the drive (a crash or a sanitizer report).
  static void printOnDeath() {
    if (active_) std::fputs(active_->replay("the program died").c_str(), stderr);
  }

 private:
  void step();
  void typeInto(int form, QLineEdit* box, const QString& text);
  void clickButton(int form, QPushButton* button);
  void fillAndClick();
  void layOut();
  void solve();
  void closeWindow();
  void enter(int form);

  std::vector<int> openForms(bool tools) const;
  bool isOpen(int form) const { return forms_[form]->isLoaded(); }
  std::vector<WindowState> snapshot() const;
  void checkOutcome(int form, const ButtonRule& rule, const std::vector<WindowState>& before,
                    const std::vector<ShownBox>& boxes, const QString& buttonName);
  void checkEverything();
  void checkLabels(int form);
  void checkAnswers();
  bool check(bool condition, const std::string& what);
  void log(std::string action);
  std::string replay(const std::string& what) const;
  QString caption(int form, const char* label) const;

  Program& program_;
  Random random_;
  unsigned long long seed_;
  long actions_;
  long index_ = 0;
  bool failed_ = false;
  Form* forms_[6] = {};
  std::deque<std::string> log_;
  std::map<std::string, long> outcomes_;
  static inline Drive* active_ = nullptr;
};

// A text as the log shows it: quoted, and a long one cut short.
std::string shortText(const QString& text) {
  const bool cut = text.size() > 24;
  return QString("\"%1%2\"%3")
      .arg(cut ? text.left(12) : text, cut ? QString::fromUtf8("…") : QString(),
           cut ? QString(" (%1 chars)").arg(text.size()) : QString())
      .toStdString();
}

void Drive::log(std::string action) {
  log_.push_back(QString("#%1 ").arg(index_).toStdString() + action);
  if (log_.size() > kLogShown) log_.pop_front();
}

std::string Drive::replay(const std::string& what) const {
  std::string s = what + "\nseed " + std::to_string(seed_) + ", action " + std::to_string(index_) +
                  " of " + std::to_string(actions_) +
                  "; replay with VORLINDE_DRIVE_SEED=" + std::to_string(seed_) +
                  " VORLINDE_DRIVE_ACTIONS=" + std::to_string(index_ + 1) + "\nlast actions:\n";
  for (const std::string& line : log_)
    s += "  " + line + "\n";
  return s;
}

bool Drive::check(bool condition, const std::string& what) {
  if (!condition && !failed_) {
    failed_ = true;
    ADD_FAILURE() << replay(what);
  }
  return condition;
}

QString Drive::caption(int form, const char* label) const {
  QLabel* l = forms_[form]->label(label);
  return l ? l->text() : QString();
}

std::vector<int> Drive::openForms(bool tools) const {
  std::vector<int> open;
  for (int f = tools ? 1 : 0; f <= 5; ++f)
    if (isOpen(f)) open.push_back(f);
  return open;
}

std::vector<WindowState> Drive::snapshot() const {
  std::vector<WindowState> states;
  for (int f : openForms(false)) {
    WindowState w{f, forms_[f]->window(), forms_[f]->window()->size(), {}};
    for (QWidget* c : w.window->findChildren<QWidget*>())
      if (isWatched(c)) w.controls.push_back(stateOf(c));
    states.push_back(std::move(w));
  }
  return states;
}

void Drive::run() {
  for (int f = 1; f <= 5 && !failed_; ++f)
    enter(f);
  for (; index_ < actions_ && !failed_ && !::testing::Test::HasFailure(); ++index_)
    step();
  if (!failed_ && ::testing::Test::HasFailure()) check(false, "a check of the test support failed");
}

// One action: about a third of them type into a box, a quarter click a button,
// a quarter fill one panel's boxes and compute it; the rest lay out and solve the
// grid, open a window from the main window or close one by its close box.
void Drive::step() {
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
      typeInto(form, random_.pick(boxes),
               form == 3 && random_.chance(60) ? randomCoefficient(random_) : randomText(random_));
    } else if (k < 60) {
      const int form = random_.pick(tools);
      std::vector<QPushButton*> buttons;
      for (QPushButton* b : forms_[form]->window()->findChildren<QPushButton*>()) {
        const ButtonRule* rule = ruleFor(form, b->objectName());
        // Leaving is one click among many, but not as often as a sum.
        if (b->isVisible() && rule && (rule->role != Role::Exit || random_.chance(25)))
          buttons.push_back(b);
      }
      if (!buttons.empty()) clickButton(form, random_.pick(buttons));
    } else if (k < 85) {
      fillAndClick();
    } else if (k < 98 && !isOpen(3)) {
      enter(3);
    } else if (k < 92 || (k < 98 && !gridShown)) {
      layOut();
    } else if (k < 98) {
      solve();
    } else {
      closeWindow();
    }
  }
  checkEverything();
}

void Drive::typeInto(int form, QLineEdit* box, const QString& text) {
  log(std::string(kFormNames[form]) + "." + box->objectName().toStdString() +
      " := " + shortText(text));
  box->setText(text);
  ++outcomes_["typed"];
}

void Drive::enter(int form) {
  clickButton(0, forms_[0]->button("Command" + std::to_string(form)));
}

// New texts in the boxes one compute button reads, then that button.
void Drive::fillAndClick() {
  std::vector<const ButtonRule*> candidates;
  for (const ButtonRule& rule : buttonRules())
    if (rule.form > 0 && isOpen(rule.form) && !rule.inputs.empty() && rule.role != Role::LayOut)
      candidates.push_back(&rule);
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

void Drive::layOut() {
  typeInto(3, forms_[3]->textBox("TxtNum"), randomCount(random_));
  clickButton(3, forms_[3]->button("Command2"));
}

void Drive::solve() {
  for (QLineEdit* box : forms_[3]->window()->findChildren<QLineEdit*>())
    if (!box->isHidden() && box->objectName() != "TxtNum" && random_.chance(80))
      typeInto(3, box, randomCoefficient(random_));
  clickButton(3, forms_[3]->button("Command1"));
}

void Drive::closeWindow() {
  const std::vector<int> tools = openForms(true);
  if (tools.empty()) return;
  const int form = random_.pick(tools);
  log(std::string("close ") + kFormNames[form]);
  forms_[form]->window()->close();
  settle();
  ++outcomes_["window closed"];
  check(!isOpen(form), std::string(kFormNames[form]) + " stayed loaded after its close box");
}

void Drive::clickButton(int form, QPushButton* button) {
  if (!check(button != nullptr, "the button to click is missing")) return;
  const QString name = button->objectName();
  log(std::string("click ") + kFormNames[form] + "." + name.toStdString() + " \"" +
      button->text().toStdString() + "\"");
  const ButtonRule* rule = ruleFor(form, name);
  if (!check(rule != nullptr, "no rule for the button")) return;
  const std::vector<WindowState> before = snapshot();
  const std::vector<ShownBox> boxes = click(button);
  settle();
  checkOutcome(form, *rule, before, boxes, name);
}

const char* const kProgramMessages[] = {"请输入数字！", "Number of input is too larger.",
                                        "Number of input is too small.", "Gauss fail at 1."};

void Drive::checkOutcome(int form, const ButtonRule& rule, const std::vector<WindowState>& before,
                         const std::vector<ShownBox>& boxes, const QString& buttonName) {
  const std::string where = std::string(kFormNames[form]) + "." + buttonName.toStdString();
  if (!check(boxes.size() <= 1, where + " showed " + std::to_string(boxes.size()) +
                                    " boxes: " + promptsOf(boxes).join(" | ").toStdString()))
    return;
  check(!program_.forms().ended() && isOpen(0) && forms_[0]->window()->isVisible(),
        "the program ended after " + where);

  // The box, if any: one of the program's own, in its own dress.
  QString prompt;
  if (!boxes.empty()) {
    const ShownBox& box = boxes.front();
    prompt = box.prompt;
    check(box.title == "Vorlinde" && !box.hasIcon && box.buttonCount == 1,
          "the box after " + where + " is not the program's: title " + box.title.toStdString());
    bool known = false;
    for (const char* m : kProgramMessages)
      known = known || prompt == QString::fromUtf8(m);
    int error = 0;
    for (int n : {5, 6, 9, 11, 13})
      if (prompt == errorPrompt(n)) error = n;
    check(known || error != 0, where + " showed the unknown box \"" + prompt.toStdString() + "\"");
    // The numeric guard passes only texts that strict reading takes, and every
    // other box belongs to one button.
    check(error != 13 || rule.role == Role::Factorize || rule.role == Role::Solve,
          where + " passed the numeric guard and then could not read a number");
    check(prompt != QString::fromUtf8(kProgramMessages[3]) || rule.role == Role::Solve,
          where + " showed the solver's message");
    check(!(prompt == QString::fromUtf8(kProgramMessages[1]) ||
            prompt == QString::fromUtf8(kProgramMessages[2])) ||
              rule.role == Role::LayOut,
          where + " showed the count's message");
    ++outcomes_[error ? "运行时错误 " + std::to_string(error) : prompt.toStdString()];
  }

  if (rule.role == Role::Enter) {
    const int target = buttonName.back().digitValue();
    check(boxes.empty() && isOpen(target) && forms_[target]->window()->isVisible(),
          where + " did not open " + kFormNames[target]);
    ++outcomes_["window opened"];
    return;
  }
  if (rule.role == Role::Exit) {
    check(boxes.empty() && !isOpen(form), where + " did not unload its window");
    ++outcomes_["window unloaded"];
    return;
  }

  // Every change lies in the clicked button's own outputs; a refused click, or a
  // run-time error in a button that computes before it writes, changes nothing.
  const std::vector<WindowState> after = snapshot();
  const bool refused = prompt == QString::fromUtf8(kProgramMessages[0]);
  const bool mayChange = boxes.empty() || (!refused && !rule.atomic);
  check(after.size() == before.size(), where + " opened or closed a window");
  bool changed = false;
  for (std::size_t w = 0; w < std::min(after.size(), before.size()); ++w) {
    const WindowState &a = after[w], &b = before[w];
    if (!check(a.window == b.window && a.controls.size() == b.controls.size(),
               where + " rebuilt " + kFormNames[a.form]))
      return;
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
                (boxes.empty() ? "" : " and showed \"" + prompt.toStdString() + "\""));
    }
  }

  // A click without a box has done its work, whatever it showed before.
  Form& f = *forms_[form];
  if (rule.role == Role::Factorize) {
    int was = 0;
    for (const WindowState& w : before)
      for (const ControlState& s : w.controls)
        if (w.form == 1 && s.name == "List1") was = s.count;
    check(f.listBox("List1")->count() == was + (boxes.empty() ? 1 : 0),
          where + " did not add exactly one entry, or added one beside its error");
  }
  if (boxes.empty()) {
    ++outcomes_[changed ? kWritten : kUnchanged];
    for (std::size_t k = 0; k < std::min(rule.written, rule.outputs.size()); ++k)
      check(!caption(form, rule.outputs[k]).isEmpty(),
            where + " left " + rule.outputs[k] + " empty");
    if (rule.role == Role::LayOut)
      check(f.isVisible("Command1") && f.isVisible("Text1(0)") && f.isVisible("Label1") &&
                f.isVisible("Label3"),
            where + " did not lay out the grid");
    if (rule.role == Role::Solve) {
      int rows = 0;
      while (rows < 10 && f.isVisible("Text2(" + std::to_string(rows) + ")"))
        ++rows;
      bool shown = f.isVisible("Label4");
      for (int k = 0; k < 10; ++k)
        shown = shown && f.isVisible("Label5(" + std::to_string(k) + ")") == (k < rows);
      check(shown, where + " did not show one result per unknown");
    }
  } else if (rule.role == Role::Solve) {
    bool hidden = !f.isVisible("Label4");
    for (int k = 0; k < 10; ++k)
      hidden = hidden && !f.isVisible("Label5(" + std::to_string(k) + ")");
    check(hidden, where + " left results standing beside \"" + prompt.toStdString() + "\"");
  }
}

void Drive::checkLabels(int form) {
  for (const LabelRule& rule : labelRules()) {
    if (rule.form != form) continue;
    QLabel* l = forms_[form]->label(rule.label);
    if (!check(l != nullptr, std::string(kFormNames[form]) + "." + rule.label + " is missing"))
      return;
    // The grid's labels keep their design-time names until "确定" writes them.
    const bool designName = l->isHidden() && form == 3 && l->text() == QString(rule.label).left(6);
    check(designName || holds(rule.kind, l->text()),
          std::string(kFormNames[form]) + "." + rule.label + " holds " + shortText(l->text()));
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
void Drive::checkAnswers() {
  bool answered = false;
  QObject call;  // a late answer goes nowhere
  QTimer::singleShot(0, &call, [&answered] { answered = true; });
  QElapsedTimer clock;
  clock.start();
  while (!answered && clock.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  check(answered, "the event loop did not answer within 10 s");
}

void Drive::checkEverything() {
  if (failed_) return;
  check(!program_.forms().ended() && isOpen(0), "the program has ended");
  for (int f : openForms(false)) {
    QWidget* window = forms_[f]->window();
    check(window->isVisible() && window->isWindow() && window->objectName() == kFormNames[f],
          std::string(kFormNames[f]) + " is loaded but not shown");
    for (const ButtonRule& rule : buttonRules())
      if (rule.form == f)
        check(forms_[f]->button(rule.button) != nullptr &&
                  window->findChild<QPushButton*>(rule.button) == forms_[f]->button(rule.button),
              std::string(kFormNames[f]) + "." + rule.button + " is gone");
    if (f > 0) checkLabels(f);
  }
  checkAnswers();
}

// The main window's exit, as the last action, ends the program.
void Drive::finish() {
  if (failed_) return;
  log("click ForMain.Command6 \"退 出\"");
  const std::vector<ShownBox> boxes = click(forms_[0]->window(), "Command6");
  settle();
  check(boxes.empty() && program_.forms().ended() && !program_.forms().anyLoaded(),
        "the main window's exit did not end the program");
}

extern "C" void onFatalSignal(int signal) {
  Drive::printOnDeath();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// The drive is only as good as its label rules: each takes what its window
// writes and refuses what a fault would leave.
TEST(RandomDrive, LabelRulesTellNumberTextFromOtherText) {
  using enum Kind;
  struct Case {
    Kind kind;
    const char* text;
    bool holds;
  } cases[] = {
      {Number, "", true},
      {Number, "-1.5", true},
      {Number, "0.333333333333333", true},
      {Number, "0.0001", true},
      {Number, "1E-05", true},
      {Number, "6.402373705728E+15", true},
      {Number, "-1.79769313486232E+308", true},
      {Number, "123456789012345", true},
      {Number, "1234567890123456", false},  // 16 whole digits need an exponent
      {Number, "0.1234567890123456", false},
      {Number, "1.50", false},
      {Number, "-0", false},
      {Number, ".5", false},
      {Number, "1E+14", false},  // plain below 1E+15
      {Number, "1.5E+400", false},
      {Number, "inf", false},
      {Number, "nan", false},
      {Number, "1e-05", false},
      {Factorial, "阶乘结果是：120", true},
      {Factorial, "阶乘结果是：", false},
      {DivisorMultiple, "结果分别为： 6  36", true},
      {DivisorMultiple, "结果分别为： -6  36", false},
      {FirstRoot, "x=-0.5", true},
      {FirstRoot, "无实数根", true},
      {FirstRoot, "x2=1", false},
      {RatioSecond, "q不能等于1！", true},
      {Area, "S=0", true},
      {Area, "输入有误！", true},
      {Area, "S=", false},
      {GridHeader, "  a(x,y)  1        2       b", true},
      {GridHeader, "", false},
      {GridRows, "1    2    0    ", true},
      {GridResult, " .3333", true},
      {GridResult, " 1234.", true},
      {GridResult, "-2", true},
      {GridResult, " 0", true},
      {GridResult, " 1E-05", true},
      {GridResult, " .33333", false},
      {GridResult, "0.5", false},
      {GridResult, "-0", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(holds(c.kind, QString::fromUtf8(c.text)), c.holds) << c.text;

  struct Entry {
    const char* text;
    bool holds;
  } entries[] = {
      {" 12 =  2 ×  2 ×  3", true},
      {" 13 =  (素数)", true},
      {" 2 =  2 (素数)", true},
      {"-7 = ", true},
      {" 0 = ", true},
      {" 12 =  2 ×  6", false},
      {" 12 =  2 ×  3", false},
      {" 15 =  3 ×  5 (素数)", false},
      {" 13 = ", false},
  };
  for (const Entry& e : entries)
    EXPECT_EQ(isFactorization(QString::fromUtf8(e.text)), e.holds) << e.text;
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
  std::string figures;
  for (const auto& [outcome, count] : drive.outcomes())
    figures += "  " + outcome + ": " + std::to_string(count) + "\n";
  std::printf("seed %llu, %ld actions in %.1f s\n%s", seed, drive.done(),
              double(clock.elapsed()) / 1000, figures.c_str());
  EXPECT_EQ(drive.done(), actions);
}

}  // namespace
}  // namespace vorlinde::test
