// Registering the window classes of the main window and of the program's
// own controls.
#pragma once

#include <windows.h>

namespace ondrave::win32 {

// False when the system refuses one of them.
bool RegisterWindowClasses(HINSTANCE instance, WNDPROC mainWindowProc);

}  // namespace ondrave::win32
