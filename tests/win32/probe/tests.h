// The probe's groups of checks, in the order they run: each leaves the
// program as the next one expects it.
#pragma once

#include <string>

#include "probe/app_under_test.h"
#include "probe/checks.h"

namespace probe {

// The icon in the executable's resources.
void CheckIcon(const std::wstring& executable, Checks& checks);
// The main window's title, size, place and style.
void CheckMainWindow(AppUnderTest& app, Checks& checks);
// The 37 controls: class, style, place, size, text and items, and their stacking.
void CheckControls(AppUnderTest& app, Checks& checks);
// The focus at start, Tab and Shift+Tab, and the focus given back on activation.
void CheckKeyboardFocus(AppUnderTest& app, Checks& checks);
// What the edit boxes take from typing and pasting.
void CheckEditBoxInput(AppUnderTest& app, Checks& checks);
// The check boxes: always on top, and the taller window.
void CheckWindowOptions(AppUnderTest& app, Checks& checks);
// The clock label, and the hotkey help in a message box that leaves the window working.
void CheckClockAndMessageBox(AppUnderTest& app, Checks& checks);
// Hotkey presses reaching the label's Feedback: by message, by WM_HOTKEY, by the key.
void CheckHotkeys(AppUnderTest& app, Checks& checks);
// The start/stop key switching synthesised clicks of each kind on and off.
void CheckSynthesisedClicks(AppUnderTest& app, Checks& checks);
// The link label's colours, and its target opened by the shell or the browser.
void CheckLinkLabel(AppUnderTest& app, Checks& checks);
// Esc ends the program with exit code 0 (not while a disabled box has the focus).
void CheckClosing(AppUnderTest& app, Checks& checks);

}  // namespace probe
