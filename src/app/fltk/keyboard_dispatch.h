// The window's keyboard rules, applied before the focused control sees a
// key: Esc closes the window, Tab and Shift+Tab move the focus. They act in
// the main loop only, not while a message box waits, and not while the focus
// lies on a disabled control, which takes every key and does nothing with it.
#pragma once

#include "app/fltk/main_window.h"

namespace ondrave::fltk {

// Routes every event of the toolkit through the rules for `window`.
void ApplyKeyboardRules(MainWindow& window);

}  // namespace ondrave::fltk
