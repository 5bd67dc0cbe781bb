// The message loop of the user-interface thread.
#pragma once

#include "app/win32/main_window.h"

namespace ondrave::win32 {

// Takes the thread's messages until WM_QUIT; keyboard messages for the main
// window pass its keyboard rules first.
void RunMessageLoop(MainWindow& window);

}  // namespace ondrave::win32
