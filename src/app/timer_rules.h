// How a timer control behaves, whatever clock drives it: the rules of the
// desktop timers this program was designed on.
#pragma once

#include <cstdint>

namespace ondrave {

// What writing a timer's `period` does, decided from the stored period.
// Writing the stored value again changes nothing, so a running timer keeps
// its rhythm. Any other value restarts the timer from the moment of the
// write, or stops it when the value is 0 or less.
struct TimerPeriodWrite {
  enum class Action { Nothing, Restart, Stop };
  Action action;
  std::int32_t newPeriod;
};
constexpr TimerPeriodWrite DecidePeriodWrite(std::int32_t stored, std::int32_t written) {
  if (written < 0) written = 0;
  if (written == stored) return {TimerPeriodWrite::Action::Nothing, stored};
  return {written > 0 ? TimerPeriodWrite::Action::Restart : TimerPeriodWrite::Action::Stop, written};
}

// The desktop's shortest timer interval: a shorter period ticks at this rate.
inline constexpr std::int32_t kTimerFloorMs = 10;
constexpr std::int64_t EffectiveInterval(std::int32_t period) {
  return period < kTimerFloorMs ? kTimerFloorMs : period;
}

// When the tick after one that was due at `due` falls, seen at `now` (both in
// any unit, interval in the same). Ticks keep the rhythm of the first one, so
// a tick that runs late does not push the later ones back; ticks missed while
// the program was busy are dropped, not delivered in a burst.
constexpr std::int64_t NextDue(std::int64_t due, std::int64_t now, std::int64_t interval) {
  std::int64_t next = due + interval;
  if (next <= now) next += ((now - next) / interval + 1) * interval;
  return next;
}

}  // namespace ondrave
