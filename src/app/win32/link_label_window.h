// The link label: its caption in blue, lighter under the pointer and dark
// red once its target has been opened; a press of the left button opens it.
#pragma once

#include <windows.h>

namespace ondrave::win32 {

LRESULT CALLBACK LinkLabelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ondrave::win32
