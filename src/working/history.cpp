#include "working/history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace vorlinde {
namespace {

using namespace std::chrono_literals;

// A history of 500 calculations is well under a megabyte; anything much larger
// is not one of ours and is not worth reading.
constexpr qint64 kLargestFile = 64 << 20;
// Another copy holds the lock only while it merges and writes, a few milliseconds.
constexpr auto kBriefWait = 40ms;
// At exit there is no later: a copy that holds the lock this long has hung.
constexpr auto kExitWait = 2000ms;

std::int64_t now() {
  return QDateTime::currentMSecsSinceEpoch();
}

// The file's contents; an empty history when there is no file.
DecodedHistory readFile(const QString& path) {
  QFile file(path);
  if (!file.exists()) return {DecodedHistory::Read, {}};
  if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly))
    return {DecodedHistory::Damaged, {}};
  DecodedHistory read = decodeHistory(file.readAll());
  // A clearing dated ahead of the clock would swallow every calculation until then.
  read.file.cleared = std::min(read.file.cleared, now());
  return read;
}

// Keeps an unreadable file beside the new one, for whoever wants to look at it,
// under the first name that no earlier one took; returns that name.
QString keepAside(const QString& path) {
  QString bad = path + ".bad";
  for (int n = 1; QFileInfo::exists(bad); ++n)
    bad = path + ".bad." + QString::number(n);
  if (!QFile::rename(path, bad)) {
    QFile::remove(path);
    return {};
  }
  qWarning("The history in %s could not be read; it was kept as %s and a new one begun.",
           qPrintable(path), qPrintable(bad));
  return bad;
}

// Newest first, so a calculation kept already is among the last kept of its time.
bool keptAlready(const std::vector<HistoryEntry>& kept, const Calculation& c) {
  for (auto it = kept.rbegin(); it != kept.rend() && it->calculation.when == c.when; ++it)
    if (it->calculation == c) return true;
  return false;
}

// The entries of both, newest first, each calculation once (the same one at the
// same time counts once), none older than the later clearing, at most the limit.
HistoryFile mergeHistories(const HistoryFile& a, const HistoryFile& b) {
  HistoryFile merged{{}, std::max(a.cleared, b.cleared)};
  std::vector<const HistoryEntry*> all;
  for (const HistoryFile* side : {&a, &b})
    for (const HistoryEntry& entry : side->entries)
      if (entry.calculation.when >= merged.cleared) all.push_back(&entry);
  std::stable_sort(all.begin(), all.end(), [](const HistoryEntry* x, const HistoryEntry* y) {
    return x->calculation.when > y->calculation.when;
  });
  for (const HistoryEntry* entry : all) {
    if (merged.entries.size() == History::kLimit) break;
    if (!keptAlready(merged.entries, entry->calculation)) merged.entries.push_back(*entry);
  }
  return merged;
}

}  // namespace

History::History(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {
  timer_.setSingleShot(true);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, [this] { save(kBriefWait); });
}

History::~History() {
  flush();
}

QString History::defaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/history.json";
}

const std::vector<HistoryEntry>& History::entries() {
  load();
  return entries_;
}

void History::add(HistoryEntry entry) {
  load();
  entries_.insert(entries_.begin(), std::move(entry));
  if (entries_.size() > kLimit) entries_.resize(kLimit);
  dirty_ = true;
  if (!timer_.isActive()) timer_.start();
}

void History::clear() {
  load();
  entries_.clear();
  cleared_ = std::max(cleared_, now());
  dirty_ = true;
  save(kBriefWait);
}

void History::flush() {
  timer_.stop();
  if (dirty_) save(kExitWait);
}

void History::load() {
  if (loaded_) return;
  loaded_ = true;
  DecodedHistory read = readFile(path_);
  if (read.status == DecodedHistory::Newer) {
    inMemory_ = true;
    return;
  }
  if (read.status == DecodedHistory::Damaged) {
    // Set aside under the lock, where no other copy is writing a good one in its place.
    dirty_ = true;
    save(kBriefWait);
    return;
  }
  entries_ = std::move(read.file.entries);
  cleared_ = read.file.cleared;
  if (entries_.size() > kLimit) entries_.resize(kLimit);
}

// The file as it is now, a damaged one set aside, or nothing for a newer
// program's file; called with the lock held.
std::optional<HistoryFile> History::readLocked() {
  DecodedHistory read = readFile(path_);
  if (read.status == DecodedHistory::Read) return std::move(read.file);
  if (read.status == DecodedHistory::Newer) return std::nullopt;
  const QString keptAs = keepAside(path_);
  if (!keptAs.isEmpty()) emit damagedFileKept(keptAs);
  return HistoryFile{};
}

// Merges with the file and writes; when another copy holds the lock past the
// wait, leaves it to the timer to try again.
void History::save(std::chrono::milliseconds wait) {
  timer_.stop();
  if (inMemory_) {
    dirty_ = false;
    return;
  }
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QLockFile lock(path_ + ".lock");
  if (!lock.tryLock(wait)) {
    if (lock.error() == QLockFile::LockFailedError) {
      timer_.start();
      return;
    }
    qWarning("The history's lock file %s.lock could not be made.", qPrintable(path_));
  }
  const std::optional<HistoryFile> onDisk = readLocked();
  if (!onDisk) {
    // A newer copy of the program wrote it: it stays as that copy left it.
    inMemory_ = true;
    dirty_ = false;
    return;
  }
  const HistoryFile merged = mergeHistories({entries_, cleared_}, *onDisk);
  cleared_ = merged.cleared;
  dirty_ = false;
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly) || file.write(encodeHistory(merged)) < 0 || !file.commit())
    qWarning("The history could not be written to %s: %s", qPrintable(path_),
             qPrintable(file.errorString()));
}

}  // namespace vorlinde
