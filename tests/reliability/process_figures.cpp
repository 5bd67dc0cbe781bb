#include "process_figures.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ondrave::testing {
namespace {

std::string ProcPath(pid_t pid, const char* entry) { return "/proc/" + std::to_string(pid) + "/" + entry; }

}  // namespace

std::optional<long> ResidentKib(pid_t pid) {
  std::ifstream status(ProcPath(pid, "status"));
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return std::nullopt;
}

std::optional<int> OpenDescriptors(pid_t pid) {
  std::error_code error;
  std::filesystem::directory_iterator entries(ProcPath(pid, "fd"), error);
  if (error) return std::nullopt;
  int count = 0;
  for (auto it = entries; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) return std::nullopt;
    ++count;
  }
  return count;
}

std::vector<pid_t> ChildrenNamed(const std::string& name) {
  std::vector<pid_t> children;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    const std::string number = entry.path().filename();
    if (number.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = std::stoi(number);
    // stat: "pid (comm) state ppid ..."; comm may hold blanks, so read after the last ')'.
    std::ifstream statFile(ProcPath(pid, "stat"));
    std::string stat;
    std::getline(statFile, stat);
    const auto close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(stat.substr(close + 1));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    std::ifstream commFile(ProcPath(pid, "comm"));
    std::string comm;
    std::getline(commFile, comm);
    if (parent == getpid() && comm == name) children.push_back(pid);
  }
  return children;
}

}  // namespace ondrave::testing
