#include "probe/desktop_input.h"

#include <vector>

#include "probe/app_under_test.h"

namespace probe {
namespace {

INPUT Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT Button(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  return input;
}

void Inject(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void PressKey(WORD virtualKey, bool shift) {
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(Key(VK_SHIFT, false));
  inputs.push_back(Key(virtualKey, false));
  inputs.push_back(Key(virtualKey, true));
  if (shift) inputs.push_back(Key(VK_SHIFT, true));
  Inject(inputs);
}

void MovePointerTo(POINT screen) {
  // Absolute moves count in 65536ths of the primary screen.
  INPUT move = Button(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  move.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  move.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  Inject({move});
}

void ClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  Inject({Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP)});
}

bool BringToFront(HWND hwnd) {
  SetForegroundWindow(hwnd);
  return WaitUntil([hwnd] { return GetForegroundWindow() == hwnd; }, 3000);
}

}  // namespace probe
