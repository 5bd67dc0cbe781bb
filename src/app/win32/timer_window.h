// Timer controls: hidden child windows of the main window, each with one
// system timer. Every WM_TIMER raises the control's Tick.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/win32/control_record.h"

namespace ondrave::win32 {

// The identifier of the one system timer of a timer window.
inline constexpr UINT_PTR kTimerId = 1000;

LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Gives a newly made timer window its period from the window table; a period
// above 0 starts it, its first tick one period later.
void StartTimerAtCreation(ControlRecord& timer, std::int32_t period);

// Writing `period`: the stored value again changes nothing, another value
// above 0 (re)starts the timer from now on, 0 or less stops it.
void WriteTimerPeriod(ControlRecord& timer, std::int32_t period);

}  // namespace ondrave::win32
