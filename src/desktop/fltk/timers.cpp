#include "desktop/fltk/timers.h"

#include <FL/Fl.H>

#include <chrono>
#include <utility>

#include "app/timer_rules.h"

namespace ondrave::fltk {
namespace {

// steady_clock is CLOCK_MONOTONIC here: setting the wall clock moves no tick.
std::int64_t NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double Seconds(std::int64_t us) { return static_cast<double>(us) / 1e6; }

std::int64_t IntervalUs(std::int32_t period) { return EffectiveInterval(period) * 1000; }

}  // namespace

TimerControl::TimerControl(std::int32_t period, Tick tick) : tick_(std::move(tick)) { SetPeriod(period); }

TimerControl::~TimerControl() { Fl::remove_timeout(OnTimeout, this); }

void TimerControl::SetPeriod(std::int32_t period) {
  const TimerPeriodWrite write = DecidePeriodWrite(period_, period);
  if (write.action == TimerPeriodWrite::Action::Nothing) return;
  Fl::remove_timeout(OnTimeout, this);
  period_ = write.newPeriod;
  running_ = write.action == TimerPeriodWrite::Action::Restart;
  if (!running_) return;
  const std::int64_t now = NowUs();
  dueUs_ = now + IntervalUs(period_);
  ArmFor(now);
}

void TimerControl::ArmFor(std::int64_t nowUs) {
  // The delay is always reckoned here from our own clock. The toolkit's
  // repeat_timeout would instead shorten it by how late the last timeout
  // ran, which after a busy spell makes ticks come in a burst.
  Fl::add_timeout(Seconds(dueUs_ - nowUs), OnTimeout, this);
}

void TimerControl::OnTimeout(void* data) {
  auto* timer = static_cast<TimerControl*>(data);
  const std::int64_t now = NowUs();
  // add_timeout still subtracts the lateness of the toolkit's last timeout,
  // so a timeout can come a little early: wait out the rest.
  if (now < timer->dueUs_) {
    timer->ArmFor(now);
    return;
  }
  // The next tick keeps the rhythm of the due times, not of when this one
  // ran; periods missed while the program was busy are dropped.
  timer->dueUs_ = NextDue(timer->dueUs_, now, IntervalUs(timer->period_));
  timer->ArmFor(now);
  // Armed before the tick runs, so that a handler writing the period
  // replaces this arming instead of being overtaken by it.
  timer->tick_();
}

}  // namespace ondrave::fltk
