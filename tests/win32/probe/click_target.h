// A window of the probe's own that records the mouse buttons it receives,
// to see the clicks the program synthesises. It never takes the activation,
// so the program's window keeps the keyboard focus meanwhile.
#pragma once

#include <windows.h>

#include <vector>

namespace probe {

struct ButtonMessage {
  UINT message;  // WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, ...
  DWORD time;    // GetMessageTime of the message
};

class ClickTarget {
 public:
  // Shows the window with its client area at `area` (screen coordinates).
  bool Create(RECT area);
  ~ClickTarget();

  HWND Window() const { return hwnd_; }
  POINT Centre() const;
  const std::vector<ButtonMessage>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  RECT area_{};
  std::vector<ButtonMessage> messages_;
};

}  // namespace probe
