// What the clicker logic needs of the desktop beyond the window's controls:
// global hotkeys, the pointer, synthesised clicks, message boxes, the clock
// and the working-set trim. Each platform implements it; the tests have an
// in-memory one.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/window_table.h"
#include "desktop/date_time.h"

namespace ondrave {

// Names one registration attempt: the n-th attempt of the process gets
// 33000 + n whether it succeeds or not; 0 means the attempt was refused.
using HotkeyId = std::int32_t;
inline constexpr HotkeyId kFirstHotkeyId = 33001;

// The click SimulateClick makes: 0 left single, 1 left double, 2 right
// single, 3 right double; any other value clicks like 0.
using ClickKind = std::int32_t;

// The button that closed a message box: 0 OK (also for a failed box), 1 Cancel,
// 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No.
using MessageResult = std::int32_t;
inline constexpr MessageResult kResultOk = 0;
inline constexpr MessageResult kResultYes = 5;
inline constexpr MessageResult kResultNo = 6;

// Message box style words (Win32 MessageBox bits). 0x1000 keeps the box above
// every other window; 0x4 asks Yes/No; 0x10 shows the stop icon.
inline constexpr std::uint32_t kStyleOk = 0x1000;
inline constexpr std::uint32_t kStyleYesNo = 0x1004;
inline constexpr std::uint32_t kStyleStop = 0x1010;
inline constexpr std::uint32_t kStyleButtonsMask = 0x0F;
inline constexpr std::uint32_t kStyleIconMask = 0xF0;
inline constexpr std::uint32_t kStyleYesNoButtons = 0x4;
inline constexpr std::uint32_t kStyleStopIcon = 0x10;

// Every message box of this program has this caption.
inline constexpr std::string_view kMessageCaption = "信息：";

class DesktopServices {
 public:
  virtual ~DesktopServices() = default;

  // Makes a key system-wide for the main window. Presses of every key
  // registered so far reach the Feedback event of sinkLabel (each registration
  // replaces the sink) with the id as first argument and 0 as second.
  // modifierWord: 1 Ctrl, 2 Shift, 4 Alt; virtualKey: a Win32 virtual-key code.
  virtual HotkeyId RegisterGlobalHotkey(Control sinkLabel, std::int32_t modifierWord,
                                        std::int32_t virtualKey) = 0;

  // The pointer's position on the virtual screen, (0, 0) at the top-left of
  // the primary monitor. Each call reads it afresh.
  virtual std::int32_t PointerX() = 0;
  virtual std::int32_t PointerY() = 0;

  // Moves the pointer to (x, y) and clicks there; the pointer stays there.
  virtual void SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind = 0) = 0;

  // Shows a message box with the caption "信息：" and waits for its answer.
  // Meanwhile the window, its timers and the hotkeys go on working, and
  // their handlers run nested inside the caller.
  virtual MessageResult ShowMessage(std::string_view text, std::uint32_t style) = 0;

  // The local date and time, to the whole second.
  virtual DateTime CurrentDateTime() = 0;

  // Gives the memory the process does not use back to the system.
  virtual void TrimWorkingSet() = 0;
};

}  // namespace ondrave
