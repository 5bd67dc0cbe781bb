// The painted label: fills its background (a plain face or the red-yellow-
// green gradient) and draws its caption in its own colour. A label raises
// Feedback when it receives kFeedbackMessage.
#pragma once

#include <windows.h>

namespace ondrave::win32 {

LRESULT CALLBACK LabelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace ondrave::win32
