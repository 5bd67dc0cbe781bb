// Timer controls on timer descriptors that the toolkit's event loop (and
// every nested loop of a message box) watches. Writing the period starts,
// restarts or stops a timer by the rules of timer_rules.h; each elapsed
// period raises a tick.
#pragma once

#include <cstdint>
#include <functional>

namespace ondrave::fltk {

class TimerControl {
 public:
  using Tick = std::function<void()>;

  // A timer made with a period above 0 runs from here on: its first tick
  // comes one period later.
  TimerControl(std::int32_t period, Tick tick);
  ~TimerControl();
  TimerControl(const TimerControl&) = delete;
  TimerControl& operator=(const TimerControl&) = delete;

  // Writing the stored period changes nothing (a running timer keeps its
  // rhythm); another value above 0 restarts it from now; 0 or less stops it.
  void SetPeriod(std::int32_t period);
  std::int32_t period() const { return period_; }
  bool running() const { return running_; }

 private:
  static void OnExpired(int fd, void* timer);
  void Arm();
  void Disarm();

  int fd_;  // the timer descriptor, -1 when the system gave none
  std::int32_t period_ = 0;
  bool running_ = false;
  std::int64_t dueUs_ = 0;  // when the next tick is due, on the monotonic clock
  Tick tick_;
};

}  // namespace ondrave::fltk
