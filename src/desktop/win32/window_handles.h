// The window handles the desktop services need of the main window: the
// window that owns the hotkeys, and the label that receives their presses.
#pragma once

#include <windows.h>

#include "app/window_table.h"

namespace ondrave::win32 {

class WindowHandles {
 public:
  virtual ~WindowHandles() = default;
  virtual HWND MainWindowHandle() const = 0;
  virtual HWND HandleOf(Control c) const = 0;
};

}  // namespace ondrave::win32
