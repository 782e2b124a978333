#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <optional>
#include <vector>

#include "working/history_json.h"

namespace vorlinde {

// The calculations of this and earlier sessions, newest first, kept in a file
// that every copy of the program running at once shares. The file is read on
// first use, never at start-up. Changes are merged with what the file holds under
// a lock file beside it and written whole or not at all, at most once a second
// and when flush() is called; while another copy holds the lock, the write is
// tried again a second later. A file that cannot be read is set aside under the
// first free name of "<file>.bad", "<file>.bad.1", ... and the history starts empty;
// a file written by a later version of the program is left as it is, and the
// history of this session is kept in memory only.
class History : public QObject {
  Q_OBJECT

 public:
  static constexpr std::size_t kLimit = 500;

  // The history in the file given; by default history.json in the program's data folder.
  explicit History(QString path = defaultPath(), QObject* parent = nullptr);
  ~History() override;

  static QString defaultPath();
  const QString& path() const { return path_; }

  const std::vector<HistoryEntry>& entries();
  void add(HistoryEntry entry);
  // Empties the history here and in the file, where the time of clearing makes
  // every copy drop what was computed before it.
  void clear();
  // Writes what has changed now rather than within the second, waiting a while
  // for another copy's write: the program calls it at exit.
  void flush();

 signals:
  // A damaged file was found and kept as `keptAs`.
  void damagedFileKept(const QString& keptAs);

 private:
  void load();
  void save(std::chrono::milliseconds wait);
  std::optional<HistoryFile> readLocked();

  QString path_;
  std::vector<HistoryEntry> entries_;  // newest first
  std::int64_t cleared_ = 0;
  bool loaded_ = false;
  bool dirty_ = false;
  bool inMemory_ = false;  // the file is a later version's, never written here
  QTimer timer_;
};

}  // namespace vorlinde
