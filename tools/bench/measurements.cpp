#include "measurements.h"

// The control table before any X header (program_driver.h sees to it).
#include "program_driver.h"

#include <X11/keysym.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "click_recorder.h"

namespace ondrave::bench {
namespace {

using namespace std::chrono_literals;

// The probe lies in the top-left corner; the program's window is centred.
constexpr testing::ScreenRect kProbeArea{0, 0, 300, 200};
constexpr RootPoint kInsideProbe{150, 100};
constexpr RootPoint kFixedPoint{40, 30};  // captured with F1, clicked by the lock
constexpr int kF6Item = 31;               // "F6" in 组合框2
constexpr std::chrono::milliseconds kTimerPeriod{10};
constexpr std::chrono::milliseconds kFirstClickTimeout{2000};
constexpr std::chrono::milliseconds kQuietAfterStop{100};
constexpr std::chrono::milliseconds kStopTimeout{2000};
// The clock's first tick (and the heap trim it makes) comes one second
// after start-up; memory is read after it.
constexpr std::chrono::milliseconds kSettleAfterStartUp{1500};
constexpr std::chrono::milliseconds kCaptureTime{200};

using Action = std::function<void()>;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void StopAndWaitForQuiet(ClickRecorder& recorder, const Action& stop, const char* what) {
  stop();
  if (!recorder.WaitForQuiet(kQuietAfterStop, kStopTimeout)) throw std::runtime_error(std::string(what) + " did not stop");
}

// Starts the clicking, waits for it to run, and records a window that
// begins with a press read while the bench already polls each millisecond
// (the presses that came while `start` ran are read in one batch).
// The program's and the X server's processes, watched over each window.
struct Watched {
  pid_t program, server;
};

ClickingFigures MeasureClicking(const Watched& watched, ClickRecorder& recorder, std::chrono::seconds window,
                                const Action& start, const Action& stop, const char* what) {
  recorder.Clear();
  start();
  if (!recorder.WaitForClicks(1, kFirstClickTimeout)) throw std::runtime_error(std::string("no click of ") + what + " arrived");
  recorder.Clear();
  if (!recorder.WaitForClicks(1, kFirstClickTimeout)) throw std::runtime_error(std::string(what) + " stopped clicking");
  const ProcessSample before = SampleProcess(watched.program), serverBefore = SampleProcess(watched.server);
  const MachineSample machineBefore = SampleMachine();
  const Click first = recorder.Clicks().front();
  recorder.PollUntil(first.readAt + window);
  const ProcessSample after = SampleProcess(watched.program), serverAfter = SampleProcess(watched.server);
  const MachineSample machineAfter = SampleMachine();
  // Presses due inside the window but read a little after it.
  recorder.PollUntil(Clock::now() + 20 * kTimerPeriod);
  StopAndWaitForQuiet(recorder, stop, what);

  const auto windowMs = static_cast<std::uint32_t>(std::chrono::milliseconds(window).count());
  std::vector<double> serverIntervals, readIntervals;
  std::size_t delivered = 0;
  for (std::size_t i = 0; i < recorder.Clicks().size(); ++i) {
    const Click& click = recorder.Clicks()[i];
    // Server time is a 32-bit millisecond count that wraps round.
    if (static_cast<std::uint32_t>(click.serverMs - first.serverMs) >= windowMs) break;
    ++delivered;
    if (i == 0) continue;
    const Click& previous = recorder.Clicks()[i - 1];
    serverIntervals.push_back(static_cast<std::uint32_t>(click.serverMs - previous.serverMs));
    readIntervals.push_back(Milliseconds(click.readAt - previous.readAt));
  }
  return {delivered,
          static_cast<std::size_t>(windowMs / kTimerPeriod.count()),
          static_cast<double>(window.count()),
          SpreadOf(std::move(serverIntervals)),
          SpreadOf(std::move(readIntervals)),
          ActivityBetween(before, after),
          ActivityBetween(serverBefore, serverAfter),
          BusyPercentBetween(machineBefore, machineAfter)};
}

// Each try: press the start key, time the first press reaching the probe,
// let it click a moment, stop it.
LatencyFigures MeasureLatency(ProgramDriver& program, ClickRecorder& recorder, int tries) {
  std::vector<double> latencies;
  for (int i = 0; i < tries; ++i) {
    recorder.Clear();
    const Clock::time_point pressedAt = Clock::now();
    program.Press(XK_F6);
    if (!recorder.WaitForClicks(1, kFirstClickTimeout)) throw std::runtime_error("the start key started no clicking");
    latencies.push_back(Milliseconds(recorder.Clicks().front().readAt - pressedAt));
    recorder.PollUntil(Clock::now() + 10 * kTimerPeriod);
    StopAndWaitForQuiet(recorder, [&] { program.Press(XK_F6); }, "continuous clicking");
  }
  return {SpreadOf(std::move(latencies)), tries};
}

StartUpFigures MeasureStartUp(const testing::XvfbServer& server, const std::string& programPath, int runs) {
  const testing::DisplayConnection look = server.Connect();
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    {
      const ProgramDriver program(server, programPath);
      times.push_back(Milliseconds(program.StartUpTime()));
    }
    // The next run must not find this run's window.
    if (!testing::WaitUntil([&] { return testing::FindWindowByTitle(look.get(), kMainWindow.title) == None; })) {
      throw std::runtime_error("the main window stayed after the program was ended");
    }
  }
  return {SpreadOf(std::move(times)), runs};
}

// The program clicks at the pointer for the minute; memory is read before
// and after.
void MeasureClickingMinute(ProgramDriver& program, ClickRecorder& recorder, std::chrono::seconds minute,
                           MemoryFigures& memory) {
  memory.minuteStart = SampleProcess(program.Pid());
  recorder.Clear();
  program.Press(XK_F6);
  const Clock::time_point end = Clock::now() + minute;
  while (Clock::now() < end) {
    // A second at a time, so that the recorded presses stay few.
    recorder.PollUntil(std::min(end, Clock::now() + 1s));
    memory.minuteClicks += recorder.Clicks().size();
    recorder.Clear();
  }
  memory.minuteEnd = SampleProcess(program.Pid());
  StopAndWaitForQuiet(recorder, [&] { program.Press(XK_F6); }, "continuous clicking");
  if (memory.minuteClicks == 0) throw std::runtime_error("no click arrived in the clicking minute");
}

}  // namespace

BenchPlan FullPlan(std::string programPath) { return {std::move(programPath), 10, 20, 10s, 10s, 60s}; }

BenchPlan SmokePlan(std::string programPath) { return {std::move(programPath), 3, 3, 2s, 2s, std::nullopt}; }

BenchFigures RunBench(const BenchPlan& plan) {
  testing::XvfbServer server(testing::XvfbOptions{.windowManager = true});
  const std::optional<pid_t> serverPid = ChildNamed("Xvfb");
  if (!serverPid) throw std::runtime_error("the X server's process was not found among the bench's children");
  BenchFigures figures{};
  figures.startUp = MeasureStartUp(server, plan.programPath, plan.startUpRuns);

  ProgramDriver program(server, plan.programPath);
  ClickRecorder recorder(server.DisplayName(), kProbeArea);
  const Watched watched{program.Pid(), *serverPid};
  std::this_thread::sleep_for(kSettleAfterStartUp);
  figures.memory.afterStartUp = SampleProcess(program.Pid());

  // The first press of a newly chosen key only arms it; from then on its
  // presses start and stop the clicking in turn.
  program.ChooseItem(Control::组合框2, kF6Item);
  program.MovePointer(kInsideProbe);
  program.Press(XK_F6);
  figures.latency = MeasureLatency(program, recorder, plan.latencyTries);
  const Action pressStartKey = [&] { program.Press(XK_F6); };
  figures.continuous =
      MeasureClicking(watched, recorder, plan.clickingWindow, pressStartKey, pressStartKey, "continuous clicking");

  program.ShowLowerPart();
  const ProcessSample idleStart = SampleProcess(program.Pid());
  const MachineSample machineIdleStart = SampleMachine();
  std::this_thread::sleep_for(plan.idleWindow);
  figures.idle = ActivityBetween(idleStart, SampleProcess(program.Pid()));
  figures.idleMachineBusy = BusyPercentBetween(machineIdleStart, SampleMachine());

  // F1 twice captures the pointer's position into the X and Y boxes. The
  // capture reads X and Y one after the other, so the pointer stays put
  // until the program has taken in the second press.
  program.MovePointer(kFixedPoint);
  program.Press(XK_F1);
  std::this_thread::sleep_for(kCaptureTime);
  program.Press(XK_F1);
  std::this_thread::sleep_for(kCaptureTime);
  figures.fixedPoint = MeasureClicking(
      watched, recorder, plan.clickingWindow,
      [&] {
        program.ClickControl(Control::按钮7);
        program.AnswerMessageBox();  // Yes
      },
      [&] { program.Press(XK_Up); }, "the fixed-point clicker");

  if (plan.memoryMinute) MeasureClickingMinute(program, recorder, *plan.memoryMinute, figures.memory);
  return figures;
}

}  // namespace ondrave::bench
