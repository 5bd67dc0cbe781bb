// The six measurements of the bench, made on one X server with a window
// manager: continuous clicking (时钟1), the fixed-point clicker (时钟3),
// the start key's latency, CPU and wake-ups, memory, and start-up.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

#include "process_sample.h"
#include "statistics.h"

namespace ondrave::bench {

// How long and how often; the smoke run of CI only shows that clicks arrive.
struct BenchPlan {
  std::string programPath;
  int startUpRuns;
  int latencyTries;
  std::chrono::seconds clickingWindow;  // each of 时钟1 and 时钟3
  std::chrono::seconds idleWindow;
  std::optional<std::chrono::seconds> memoryMinute;  // left out in the smoke run
};
BenchPlan FullPlan(std::string programPath);
BenchPlan SmokePlan(std::string programPath);

struct ClickingFigures {
  std::size_t delivered;  // presses whose server time lies in the window
  std::size_t due;        // window / 10 ms: one tick per period from the first press
  double seconds;         // the window
  Spread serverMs;        // intervals between the presses' server timestamps
  Spread readMs;          // intervals between the times the bench read them
  Activity program;       // the program's CPU and switches over the window
  Activity server;        // the X server's, which stamps and delivers the presses
  double machineBusy;     // all CPUs of the machine, % busy over the window
};

struct LatencyFigures {
  Spread ms;  // from the start key's press to the first press read by the bench
  int tries;
};

struct MemoryFigures {
  ProcessSample afterStartUp;
  std::optional<ProcessSample> minuteStart, minuteEnd;  // around the clicking minute
  std::size_t minuteClicks = 0;
};

struct StartUpFigures {
  Spread ms;  // from just before the program is started to its main window viewable
  int runs;
};

struct BenchFigures {
  StartUpFigures startUp;
  MemoryFigures memory;
  LatencyFigures latency;
  ClickingFigures continuous;  // 时钟1, started and stopped by the start key
  Activity idle;               // only the clock running, its label shown
  double idleMachineBusy;      // all CPUs, % busy meanwhile
  ClickingFigures fixedPoint;  // 时钟3, started by the lock button
};

// Throws std::runtime_error when a step fails, among them any clicking
// phase to which no click arrives.
BenchFigures RunBench(const BenchPlan& plan);

}  // namespace ondrave::bench
