// The clicker logic's whole state: ten integers, all 0 at load.
#pragma once

#include <cstdint>

namespace ondrave {

struct ControllerState {
  std::int32_t lockStopKeyPending = 0;      // 1 until the Up arrow is registered
  std::int32_t lockStopKeyId = 0;           // HotkeyId of the Up arrow
  std::int32_t lockNoticeAccepted = 0;      // 1 once the lock notice was answered Yes
  std::int32_t showHideKeyId = 0;           // HotkeyId of F3
  std::int32_t captureKeyId = 0;            // HotkeyId of F1
  std::int32_t captureArmed = 0;            // 1: the next F1 press switches capture on
  std::int32_t scheduleStopKeyPending = 0;  // 1 until F4 is registered
  std::int32_t startStopKeyId = 0;          // HotkeyId of the key chosen in 组合框2
  std::int32_t startStopArmed = 0;          // 1: the next start/stop press starts clicking
  std::int32_t scheduleStopKeyId = 0;       // HotkeyId of F4
};

}  // namespace ondrave
