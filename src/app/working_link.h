#pragma once

#include <memory>

namespace vorlinde {

class Workings;

// Connects the tool windows to the working: every calculation is recorded and
// the working window opened on request. Nothing of the working is made until the
// first calculation or request; the history is written when this goes.
class WorkingConnection {
 public:
  WorkingConnection();
  ~WorkingConnection();
  WorkingConnection(const WorkingConnection&) = delete;
  WorkingConnection& operator=(const WorkingConnection&) = delete;

  // Made on first use.
  Workings& workings();

 private:
  std::unique_ptr<Workings> workings_;
};

}  // namespace vorlinde
