#include "working/workings.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QScreen>

#include "working/placement.h"
#include "working/working_window.h"

namespace vorlinde {
namespace {

std::string titleOf(const steps::Working& working, const Calculation& calculation) {
  if (working.window.empty())
    return std::string(toolWindow(panel(calculation.panel).window).caption);
  return working.panel.empty() ? working.window : working.window + " · " + working.panel;
}

// What the list says of a calculation whose working has no answer line: its
// run-time error, or the first results its window showed.
std::string summaryOf(const Calculation& calculation) {
  if (calculation.error != 0) return "运行时错误 " + std::to_string(calculation.error);
  std::string summary;
  int count = 0;
  for (const std::optional<std::string>& shown : calculation.shown)
    if (shown && count++ < 3) summary += (count > 1 ? "，" : "") + *shown;
  return summary;
}

HistoryEntry entryFor(const Calculation& calculation, const steps::Working& working) {
  const std::string answer = working.answer();
  return {calculation, titleOf(working, calculation),
          answer.empty() ? summaryOf(calculation) : answer};
}

}  // namespace

Workings::Workings(Builder builder, QObject* parent)
    : QObject(parent), builder_(std::move(builder)) {
  connect(&history_, &History::damagedFileKept, this, [this](const QString& keptAs) {
    keptAside_ = QFileInfo(keptAs).fileName();
    if (window_ && window_->isVisible()) sayKeptAside();
  });
}

Workings::~Workings() {
  history_.disconnect(this);  // the history's last write comes after the window is gone
  delete window_;
}

void Workings::record(Calculation calculation) {
  recorded_.push_back(std::move(calculation));
  if (recorded_.size() == 1)
    QMetaObject::invokeMethod(this, &Workings::takeRecorded, Qt::QueuedConnection);
}

void Workings::takeRecorded() {
  std::vector<Calculation> recorded;
  recorded.swap(recorded_);
  for (Calculation& calculation : recorded) {
    steps::Working working = build(calculation);
    HistoryEntry entry = entryFor(calculation, working);
    if (window_) window_->addToHistory(entry);
    latest_ = Latest{std::move(working), calculation.when};
    history_.add(std::move(entry));
  }
  if (window_ && window_->isVisible() && latest_) {
    window_->showWorking(latest_->working, latest_->when);
    window_->markEntry(0);
  }
}

steps::Working Workings::build(const Calculation& calculation) const {
  try {
    return builder_(calculation);
  } catch (...) {
    return {};  // a working that failed must not take the program with it
  }
}

WorkingWindow* Workings::window() const {
  return window_;
}

void Workings::show(QWidget* asking) {
  if (!window_) {
    window_ = new WorkingWindow;
    connect(window_, &WorkingWindow::entryChosen, this, &Workings::showEntry);
    connect(window_, &WorkingWindow::clearRequested, this, &Workings::clear);
    window_->setHistory(history_.entries());
  }
  // Before any calculation of this session, the newest of an earlier one.
  if (!latest_ && !history_.entries().empty()) {
    const Calculation& newest = history_.entries().front().calculation;
    latest_ = Latest{build(newest), newest.when};
  }
  if (latest_) {
    window_->showWorking(latest_->working, latest_->when);
    window_->markEntry(0);
  } else {
    window_->showEmpty();
  }
  sayKeptAside();
  if (!placed_) placeBeside(asking);
  placed_ = true;
  if (window_->isMinimized())
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

// The window is not yet shown, so its frame is taken as thick as the asking one's.
void Workings::placeBeside(QWidget* asking) {
  if (!asking || !asking->isVisible()) return;
  const QRect tool = asking->frameGeometry();
  const QSize decoration = tool.size() - asking->size();
  const QRect frame = vorlinde::placeBeside(tool, window_->size() + decoration,
                                            asking->screen()->availableGeometry());
  window_->resize(frame.size() - decoration);
  window_->move(frame.topLeft());
}

void Workings::showEntry(int row) {
  const std::vector<HistoryEntry>& entries = history_.entries();
  if (row < 0 || std::size_t(row) >= entries.size() || !window_) return;
  if (row == 0 && latest_) return window_->showWorking(latest_->working, latest_->when);
  const Calculation& calculation = entries[row].calculation;
  window_->showWorking(build(calculation), calculation.when);
}

void Workings::sayKeptAside() {
  if (keptAside_.isEmpty()) return;
  window_->sayHistoryKeptAside(keptAside_);
  keptAside_.clear();
}

void Workings::clear() {
  history_.clear();
  latest_.reset();
  if (!window_) return;
  window_->setHistory({});
  window_->showEmpty();
}

}  // namespace vorlinde
