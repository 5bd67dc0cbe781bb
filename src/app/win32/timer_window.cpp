#include "app/win32/timer_window.h"

#include "app/timer_rules.h"

namespace ondrave::win32 {
namespace {

// A SetTimer that fails leaves the timer marked running all the same: no
// tick comes, and the next period written tries again.
void SetSystemTimer(ControlRecord& timer) {
  SetTimer(timer.hwnd, kTimerId, static_cast<UINT>(timer.period), nullptr);
  timer.timerRunning = true;
}

void KillSystemTimer(ControlRecord& timer) {
  if (!timer.timerRunning) return;
  KillTimer(timer.hwnd, kTimerId);
  timer.timerRunning = false;
}

}  // namespace

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) KeepRecordAtCreation(hwnd, lParam);
  ControlRecord* timer = RecordOf(hwnd);
  if (timer == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimerId) timer->sink->Raise(timer->id, Event::Tick);
      return 0;
    case WM_DESTROY:
      KillSystemTimer(*timer);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void StartTimerAtCreation(ControlRecord& timer, std::int32_t period) {
  timer.period = period > 0 ? period : 0;
  if (timer.period > 0) SetSystemTimer(timer);
}

void WriteTimerPeriod(ControlRecord& timer, std::int32_t period) {
  const TimerPeriodWrite write = DecidePeriodWrite(timer.period, period);
  if (write.action == TimerPeriodWrite::Action::Nothing) return;
  timer.period = write.newPeriod;
  KillSystemTimer(timer);
  if (write.action == TimerPeriodWrite::Action::Restart) SetSystemTimer(timer);
}

}  // namespace ondrave::win32
