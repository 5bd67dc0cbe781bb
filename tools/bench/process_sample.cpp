#include "process_sample.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace ondrave::bench {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path.string() + " (has the program ended?)");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A "Name:   value" line of a status file, as a number.
long StatusField(const std::string& status, const std::string& name) {
  const std::size_t at = status.find("\n" + name + ":");
  if (at == std::string::npos) throw std::runtime_error("no " + name + " in a status file");
  return std::stol(status.substr(at + name.size() + 2));
}

// Fields 14 and 15 of /proc/PID/stat. The command name (field 2) stands in
// parentheses and may hold blanks, so count from its closing parenthesis.
double StatCpuSeconds(const std::filesystem::path& processDir) {
  const std::string stat = ReadFile(processDir / "stat");
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) throw std::runtime_error("unreadable " + (processDir / "stat").string());
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int number = 3; number <= 15 && fields >> field; ++number) {
    if (number == 14) utime = std::stoll(field);
    if (number == 15) stime = std::stoll(field);
  }
  static const long ticksPerSecond = sysconf(_SC_CLK_TCK);
  return static_cast<double>(utime + stime) / static_cast<double>(ticksPerSecond);
}

}  // namespace

ProcessSample SampleProcess(pid_t pid) {
  const std::filesystem::path processDir = "/proc/" + std::to_string(pid);
  ProcessSample sample{};
  sample.at = std::chrono::steady_clock::now();
  sample.cpuSeconds = StatCpuSeconds(processDir);
  const std::string status = ReadFile(processDir / "status");
  sample.rssKb = StatusField(status, "VmRSS");
  sample.hwmKb = StatusField(status, "VmHWM");
  // A thread's switches and times are its own: add up every thread's.
  std::int64_t runNs = 0, waitNs = 0;
  for (const auto& task : std::filesystem::directory_iterator(processDir / "task")) {
    const std::string taskStatus = ReadFile(task.path() / "status");
    sample.voluntarySwitches += StatusField(taskStatus, "voluntary_ctxt_switches");
    sample.involuntarySwitches += StatusField(taskStatus, "nonvoluntary_ctxt_switches");
    std::istringstream schedstat(ReadFile(task.path() / "schedstat"));
    std::int64_t taskRunNs = 0, taskWaitNs = 0;
    if (!(schedstat >> taskRunNs >> taskWaitNs)) {
      throw std::runtime_error("unreadable " + (task.path() / "schedstat").string());
    }
    runNs += taskRunNs;
    waitNs += taskWaitNs;
  }
  sample.runSeconds = static_cast<double>(runNs) / 1e9;
  sample.waitSeconds = static_cast<double>(waitNs) / 1e9;
  return sample;
}

Activity ActivityBetween(const ProcessSample& before, const ProcessSample& after) {
  Activity activity{};
  activity.seconds = std::chrono::duration<double>(after.at - before.at).count();
  if (activity.seconds <= 0) return activity;
  activity.cpuPercent = 100.0 * (after.cpuSeconds - before.cpuSeconds) / activity.seconds;
  activity.runPercent = 100.0 * (after.runSeconds - before.runSeconds) / activity.seconds;
  const auto involuntary = static_cast<double>(after.involuntarySwitches - before.involuntarySwitches);
  const auto voluntary = static_cast<double>(after.voluntarySwitches - before.voluntarySwitches);
  activity.switchesPerSecond = (voluntary + involuntary) / activity.seconds;
  activity.involuntaryPerSecond = involuntary / activity.seconds;
  activity.waitMsPerSecond = 1000.0 * (after.waitSeconds - before.waitSeconds) / activity.seconds;
  return activity;
}

std::optional<pid_t> ChildNamed(const std::string& command) {
  const std::string self = std::to_string(getpid());
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(entry.path() / "stat");
    std::string stat;
    // A process that ended while the list was read is simply not a match.
    if (!std::getline(in, stat)) continue;
    const std::size_t open = stat.find('('), close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close + 4 >= stat.size()) continue;
    std::istringstream rest(stat.substr(close + 2));
    std::string state, parent;
    if (stat.substr(open + 1, close - open - 1) == command && rest >> state >> parent && parent == self) {
      return static_cast<pid_t>(std::stol(name));
    }
  }
  return std::nullopt;
}

MachineSample SampleMachine() {
  std::istringstream cpu(ReadFile("/proc/stat"));
  std::string label;
  long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0;
  if (!(cpu >> label >> user >> nice >> system >> idle >> iowait) || label != "cpu") {
    throw std::runtime_error("unreadable /proc/stat");
  }
  static const long ticksPerSecond = sysconf(_SC_CLK_TCK);
  return {std::chrono::steady_clock::now(), static_cast<double>(idle + iowait) / static_cast<double>(ticksPerSecond)};
}

double BusyPercentBetween(const MachineSample& before, const MachineSample& after) {
  static const long cpus = sysconf(_SC_NPROCESSORS_ONLN);
  const double capacity = std::chrono::duration<double>(after.at - before.at).count() * static_cast<double>(cpus);
  if (capacity <= 0) return 0;
  return std::clamp(100.0 * (1.0 - (after.idleCpuSeconds - before.idleCpuSeconds) / capacity), 0.0, 100.0);
}

}  // namespace ondrave::bench
