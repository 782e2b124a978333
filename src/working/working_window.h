#pragma once

#include <QWidget>
#include <vector>

#include "steps/working.h"
#include "working/history_json.h"

class QLabel;
class QLibrary;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace vorlinde {

class FigureView;

// The window beside the tool windows that shows the working of a calculation:
// its heading, its typeset text and its figure, with the history of calculations
// beside it and buttons to clear the history, copy, save as PDF and print.
class WorkingWindow : public QWidget {
  Q_OBJECT

 public:
  explicit WorkingWindow(QWidget* parent = nullptr);

  // Shows a working; `when` is the calculation's time, milliseconds since 1970.
  void showWorking(const steps::Working& working, qint64 when);
  // No working: a hint says where workings come from.
  void showEmpty();
  const steps::Working& working() const { return working_; }

  // The history list, newest first: replaced whole, or a new entry put on top.
  void setHistory(const std::vector<HistoryEntry>& entries);
  void addToHistory(const HistoryEntry& entry);
  // Marks the entry shown without choosing it again.
  void markEntry(int row);
  // Says, until the next working is shown, that the history file was damaged and
  // kept under the name given.
  void sayHistoryKeptAside(const QString& fileName);

  // Writes the working, text and figure, to an A4 PDF file; false on failure.
  bool savePdf(const QString& path) const;
  // The same, telling the pupil when the file could not be written.
  void writePdf(const QString& path);

 signals:
  // The pupil chose an entry of the history; 0 is the newest.
  void entryChosen(int row);
  // The pupil asked to empty the history and said yes when asked again.
  void clearRequested();

 private:
  void buildLayout();
  QWidget* buildWorkingSide();
  QWidget* buildHistorySide();
  void setDocument(const steps::Working& working);
  QWidget* buildButtons();
  void askClear();
  void copy() const;
  void askPdf();
  void print();

  steps::Working working_;
  QString title_;  // the window and the panel, for the PDF and the printer
  QLabel* time_ = nullptr;
  QTextBrowser* text_ = nullptr;
  FigureView* figure_ = nullptr;
  QListWidget* history_ = nullptr;
  QPushButton* clear_ = nullptr;     // enabled while the history holds something
  QLibrary* printModule_ = nullptr;  // loaded on the first print, kept for the next
};

}  // namespace vorlinde
