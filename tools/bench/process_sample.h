// What /proc tells about a running process at one instant: its CPU time,
// its context switches and its memory.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace ondrave::bench {

struct ProcessSample {
  std::chrono::steady_clock::time_point at;
  double cpuSeconds;                // utime + stime of /proc/PID/stat, in clock ticks (10 ms)
  double runSeconds;                // every thread's run time as the scheduler counts it (schedstat, ns)
  double waitSeconds;               // every thread's time runnable but waiting for a CPU (schedstat)
  std::int64_t voluntarySwitches;   // every thread's, from their status files
  std::int64_t involuntarySwitches;
  long rssKb, hwmKb;                // VmRSS and VmHWM
};

// Throws std::runtime_error when the process is gone or /proc reads fail.
ProcessSample SampleProcess(pid_t pid);

// The bench's own child process with this command name (the X server), if any.
std::optional<pid_t> ChildNamed(const std::string& command);

// What the process did between two samples, per second of wall time.
struct Activity {
  double seconds;               // wall time between the samples
  double cpuPercent;            // from utime + stime: 100 is one core busy
  double runPercent;            // the same from the scheduler's nanoseconds
  double switchesPerSecond;     // voluntary + involuntary: the wake-ups
  double involuntaryPerSecond;  // of which preemptions
  double waitMsPerSecond;       // runnable but not yet running: other processes, wake-up latency
};
Activity ActivityBetween(const ProcessSample& before, const ProcessSample& after);

// How long all the machine's CPUs have been idle, from /proc/stat. The
// idle time is measured, not sampled at the clock tick as the busy times
// are, which miss short bursts on a mostly idle CPU.
struct MachineSample {
  std::chrono::steady_clock::time_point at;
  double idleCpuSeconds;  // idle + iowait, summed over the CPUs
};
MachineSample SampleMachine();
// Busy time of all CPUs between two samples, 100 being every CPU busy.
double BusyPercentBetween(const MachineSample& before, const MachineSample& after);

}  // namespace ondrave::bench
