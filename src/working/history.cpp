#include "working/history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace vorlinde {
namespace {

// A history of 500 calculations is well under a megabyte; anything much larger
// is not one of ours and is not worth reading.
constexpr qint64 kLargestFile = 64 << 20;

// Keeps an unreadable file beside the new one, for whoever wants to look at it.
void setAside(const QString& path) {
  const QString bad = path + ".bad";
  QFile::remove(bad);
  if (!QFile::rename(path, bad)) QFile::remove(path);
  qWarning("The history in %s could not be read; it was kept as %s and a new one begun.",
           qPrintable(path), qPrintable(bad));
}

}  // namespace

History::History(QString path, QObject* parent) : QObject(parent), path_(std::move(path)) {
  timer_.setSingleShot(true);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &History::save);
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
  dirty_ = true;
  flush();
}

void History::flush() {
  timer_.stop();
  if (dirty_) save();
}

void History::load() {
  if (loaded_) return;
  loaded_ = true;
  QFile file(path_);
  if (!file.exists()) return;
  if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) return setAside(path_);
  std::optional<std::vector<HistoryEntry>> read = decodeHistory(file.readAll());
  file.close();
  if (!read) return setAside(path_);
  entries_ = std::move(*read);
  if (entries_.size() > kLimit) entries_.resize(kLimit);
}

void History::save() {
  timer_.stop();
  dirty_ = false;
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly) || file.write(encodeHistory(entries_)) < 0 || !file.commit())
    qWarning("The history could not be written to %s: %s", qPrintable(path_),
             qPrintable(file.errorString()));
}

}  // namespace vorlinde
