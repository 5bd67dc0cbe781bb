// Opening a link with the desktop's opener, without making the window wait.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace ondrave::fltk {

class LinkOpener {
 public:
  // Called once per Open with whether the target was opened.
  using Outcome = std::function<void(bool opened)>;

  ~LinkOpener();

  // Starts opening the target and returns at once; the outcome follows
  // from the event loop. An empty target opens nothing (outcome false).
  // Only the latest Open reports its outcome.
  void Open(const std::string& target, Outcome outcome);

 private:
  struct Child {
    pid_t pid;
    unsigned attempt;
    std::chrono::steady_clock::time_point started;
    bool judged;  // its attempt's outcome no longer waits for it
  };

  void TryNextCommand();
  void Conclude(bool opened);
  void Poll();
  static void OnPoll(void* opener);

  unsigned attempt_ = 0;
  std::vector<std::vector<std::string>> commands_;
  std::size_t nextCommand_ = 0;
  Outcome outcome_;
  std::vector<Child> children_;
};

}  // namespace ondrave::fltk
