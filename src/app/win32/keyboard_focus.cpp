// The main window's keyboard rules and its focus rule.
#include <windows.h>

#include "app/keyboard_rules.h"
#include "app/win32/main_window.h"

namespace ondrave::win32 {
namespace {

bool Held(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

bool MainWindow::InKeyboardOrder(Control c) const {
  const HWND control = Record(c).hwnd;
  return IsTabStop(RowOf(c).kind) && IsWindowVisible(control) && IsWindowEnabled(control);
}

std::optional<Control> MainWindow::ControlOfWindow(HWND hwnd) const {
  // A window inside a control (such as a list's parts) counts as the control.
  for (HWND w = hwnd; w != nullptr && w != hwnd_; w = GetParent(w)) {
    for (const ControlRecord& record : controls_)
      if (record.hwnd == w) return record.id;
  }
  return std::nullopt;
}

bool MainWindow::ApplyKeyboardRules(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  // While the focus is on a disabled control the keys go to it untouched.
  if (!IsWindowEnabled(message.hwnd)) return false;
  const bool control = Held(VK_CONTROL), shift = Held(VK_SHIFT), alt = Held(VK_MENU);
  if (message.wParam == VK_ESCAPE && !control && !shift && !alt) {
    SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    return true;
  }
  if (message.wParam == VK_TAB && !control && !alt) {
    const std::optional<Control> target =
        TabTarget(ControlOfWindow(message.hwnd), !shift, [this](Control c) { return InKeyboardOrder(c); });
    if (target) SetFocus(Record(*target).hwnd);
    return true;
  }
  return false;
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) != WA_INACTIVE) return;
  const HWND focused = GetFocus();
  if (focused != nullptr && IsChild(hwnd_, focused)) focusAtDeactivation_ = focused;
}

void MainWindow::OnSetFocus() {
  if (focusAtDeactivation_ != nullptr && IsWindow(focusAtDeactivation_) && IsChild(hwnd_, focusAtDeactivation_)) {
    SetFocus(focusAtDeactivation_);
    return;
  }
  if (const std::optional<Control> first = DefaultFocus([this](Control c) { return InKeyboardOrder(c); }))
    SetFocus(Record(*first).hwnd);
}

}  // namespace ondrave::win32
