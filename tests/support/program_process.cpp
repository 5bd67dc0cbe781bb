#include "program_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace ondrave::testing {

ProgramProcess::ProgramProcess(const std::string& path, const std::string& displayName) {
  char logTemplate[] = "/tmp/ondrave-program-XXXXXX";
  const int logFd = mkstemp(logTemplate);
  if (logFd < 0) throw std::runtime_error("cannot create the program's log file");
  logPath_ = logTemplate;

  pid_ = fork();
  if (pid_ < 0) {
    close(logFd);
    throw std::runtime_error("cannot fork for the program");
  }
  if (pid_ == 0) {
    dup2(logFd, STDOUT_FILENO);
    dup2(logFd, STDERR_FILENO);
    close(logFd);
    setenv("DISPLAY", displayName.c_str(), 1);
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(logFd);
}

ProgramProcess::~ProgramProcess() {
  if (!status_) {
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
  unlink(logPath_.c_str());
}

std::optional<int> ProgramProcess::WaitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!status_) {
    int status = 0;
    const pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      status_ = status;
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return status_;
}

std::string ProgramProcess::Output() const {
  std::ifstream in(logPath_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace ondrave::testing
