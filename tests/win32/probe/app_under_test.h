// The program under test: started by the probe, found by its window title,
// its controls found by their identifiers, its end awaited.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/window_table.h"

namespace probe {

class AppUnderTest {
 public:
  ~AppUnderTest();

  // Starts the executable and waits for its main window. False when it did
  // not start or no window came within the time.
  bool Start(const std::wstring& executable);

  HWND Main() const { return main_; }
  // A control's window, looked up under its parent as the table names it.
  HWND Control(ondrave::Control c) const;
  DWORD ThreadId() const { return process_.dwThreadId; }

  // The window that has the keyboard focus in the program's thread.
  HWND Focused() const;

  // Waits for the process to end; its exit code, or nothing on time-out.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

// Runs the probe's own messages while waiting for `done`; true if it came
// within the time.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Lets the program and the probe handle what is queued for `ms`.
void Settle(DWORD ms);

// SendMessage with a time-out, so that a stuck program fails a check
// instead of hanging the probe.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// The text of a window of another process.
std::wstring TextOf(HWND hwnd);

// The class name of a window.
std::wstring ClassOf(HWND hwnd);

}  // namespace probe
