// System-wide hotkeys for one window. The first registration hooks that
// window's message procedure; from then on every press of a registered key
// reaches the sink label as kFeedbackMessage before the window sees it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "desktop/services.h"

namespace ondrave::win32 {

// Sent to the sink label for every hotkey press: wParam the HotkeyId, lParam 0.
inline constexpr UINT kFeedbackMessage = 0x8075;

// The fsModifiers of RegisterHotKey for a modifier word (1 Ctrl, 2 Shift, 4 Alt).
UINT HotkeyModifiers(std::int32_t modifierWord);

// The n-th call of the process gets 33000 + n, returned when RegisterHotKey
// takes the key and used up all the same when it refuses it (then 0 comes
// back). Each call makes `sinkLabel` the receiver of every press.
HotkeyId RegisterGlobalHotkey(HWND window, HWND sinkLabel, std::int32_t modifierWord, std::int32_t virtualKey);

}  // namespace ondrave::win32
