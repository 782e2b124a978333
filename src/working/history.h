#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

#include "working/history_json.h"

namespace vorlinde {

// The calculations of this and earlier sessions, newest first, kept in a file.
// The file is read on first use, never at start-up. Changes are written whole
// or not at all, at most once a second, and when flush() is called; a file that
// cannot be read is set aside as "<file>.bad" and the history starts empty.
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
  // Empties the history, in memory and in the file at once.
  void clear();
  // Writes what has changed now rather than within the second.
  void flush();

 private:
  void load();
  void save();

  QString path_;
  std::vector<HistoryEntry> entries_;  // newest first
  bool loaded_ = false;
  bool dirty_ = false;
  QTimer timer_;
};

}  // namespace vorlinde
