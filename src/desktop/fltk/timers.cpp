#include "desktop/fltk/timers.h"

#include <FL/Fl.H>
#include <sys/timerfd.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <utility>

#include "app/timer_rules.h"

namespace ondrave::fltk {
namespace {

// steady_clock is CLOCK_MONOTONIC here, the clock the timer descriptors run
// on: setting the wall clock moves no tick.
std::int64_t NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::int64_t IntervalUs(std::int32_t period) { return EffectiveInterval(period) * 1000; }

}  // namespace

TimerControl::TimerControl(std::int32_t period, Tick tick)
    : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)), tick_(std::move(tick)) {
  // Without a descriptor the timer keeps its period and never ticks, as a
  // desktop timer whose creation failed.
  if (fd_ >= 0) Fl::add_fd(fd_, FL_READ, OnExpired, this);
  SetPeriod(period);
}

TimerControl::~TimerControl() {
  if (fd_ < 0) return;
  Fl::remove_fd(fd_);
  close(fd_);
}

void TimerControl::SetPeriod(std::int32_t period) {
  const TimerPeriodWrite write = DecidePeriodWrite(period_, period);
  if (write.action == TimerPeriodWrite::Action::Nothing) return;
  period_ = write.newPeriod;
  running_ = write.action == TimerPeriodWrite::Action::Restart;
  // Arming anew, or disarming, also drops an expiry not yet read.
  if (!running_) {
    Disarm();
    return;
  }
  dueUs_ = NowUs() + IntervalUs(period_);
  Arm();
}

void TimerControl::Arm() {
  // An absolute expiry on the kernel's clock: the tick comes when it is
  // due, neither early nor shifted by how late an earlier tick ran. The
  // toolkit's own timeouts are relative and shortened by the lateness of
  // the last timeout of any timer, which woke the program early and then
  // once more at every tick.
  itimerspec due{};
  due.it_value.tv_sec = dueUs_ / 1000000;
  due.it_value.tv_nsec = (dueUs_ % 1000000) * 1000;
  // A failed arming leaves the timer silent, as a failed SetTimer does.
  if (fd_ >= 0) timerfd_settime(fd_, TFD_TIMER_ABSTIME, &due, nullptr);
}

void TimerControl::Disarm() {
  const itimerspec stopped{};
  if (fd_ >= 0) timerfd_settime(fd_, 0, &stopped, nullptr);
}

void TimerControl::OnExpired(int fd, void* data) {
  auto* timer = static_cast<TimerControl*>(data);
  // Nothing to read when a handler that ran before this one in the same
  // round stopped or restarted the timer.
  std::uint64_t expiries = 0;
  if (read(fd, &expiries, sizeof expiries) != static_cast<ssize_t>(sizeof expiries)) return;
  // The next tick keeps the rhythm of the due times, not of when this one
  // ran; periods missed while the program was busy are dropped.
  timer->dueUs_ = NextDue(timer->dueUs_, NowUs(), IntervalUs(timer->period_));
  timer->Arm();
  // Armed before the tick runs, so that a handler writing the period
  // replaces this arming instead of being overtaken by it.
  timer->tick_();
}

}  // namespace ondrave::fltk
