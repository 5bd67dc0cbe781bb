// The real program, started on a test's X server and ended by the test.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

namespace ondrave::testing {

class ProgramProcess {
 public:
  // Starts `path` with DISPLAY set to `displayName`; its output goes to a log
  // file that Output() reads.
  ProgramProcess(const std::string& path, const std::string& displayName);
  ~ProgramProcess();  // kills the program if it still runs
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  pid_t Pid() const { return pid_; }

  // Waits for the program to end; its exit status as waitpid reports it, or
  // nothing when it still runs after `timeout`.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

  // What the program wrote to standard output and standard error so far.
  std::string Output() const;

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
  std::string logPath_;
};

}  // namespace ondrave::testing
