// Building the main window's controls from the window table.
#pragma once

#include <windows.h>

#include <array>

#include "app/win32/control_record.h"
#include "app/win32/event_sink.h"

namespace ondrave::win32 {

using ControlRecords = std::array<ControlRecord, kControlCount>;

// Creates the controls as hidden children of `main`, from the last row of
// the table to the first; moves the controls of the group boxes into them;
// stacks siblings in table order (first row on top); shows all but the
// timers without activating them. Ends the process by FatalError when a
// control cannot be made as the table describes it.
void CreateControls(HWND main, HINSTANCE instance, HFONT font, ControlRecords& records, EventSink& sink);

}  // namespace ondrave::win32
