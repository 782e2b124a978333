#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "core/calculation.h"
#include "steps/steps.h"
#include "working/history.h"

namespace vorlinde {

class WorkingWindow;

// The workings of the program's calculations: what the click dispatch records,
// the history they go into and the window that shows them. Nothing of the window
// exists until it is first shown.
class Workings : public QObject {
  Q_OBJECT

 public:
  using Builder = std::function<steps::Working(const Calculation&)>;

  explicit Workings(Builder builder = steps::workingFor, QObject* parent = nullptr);
  ~Workings() override;

  // Called after a click wrote its result labels. Costs the click next to nothing:
  // the working, the history and the window are seen to once the click is over.
  void record(Calculation calculation);
  // Shows, raises and activates the window with the latest calculation's
  // working, a minimized one restored. Made on first use, it opens beside the
  // window that asked for it; later where the pupil left it.
  void show(QWidget* asking = nullptr);
  WorkingWindow* window() const;
  History& history() { return history_; }
  // Writes the history now; the program calls it at exit.
  void flush() { history_.flush(); }

 private:
  struct Latest {
    steps::Working working;
    qint64 when = 0;
  };

  void takeRecorded();
  steps::Working build(const Calculation& calculation) const;
  void showEntry(int row);
  void clear();
  void sayKeptAside();
  void placeBeside(QWidget* asking);

  Builder builder_;
  History history_;
  std::vector<Calculation> recorded_;  // recorded, not yet taken in
  std::optional<Latest> latest_;       // the latest calculation's working, computed once
  QPointer<WorkingWindow> window_;
  QString keptAside_;  // a damaged history's new name, until the window has said it
  bool placed_ = false;
};

}  // namespace vorlinde
