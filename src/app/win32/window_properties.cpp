// The control model's properties, read and written on the live windows.
#include "app/win32/main_window.h"
#include "app/win32/painted_text.h"
#include "app/win32/timer_window.h"
#include "desktop/win32/wide_text.h"

namespace ondrave::win32 {

std::string MainWindow::Text(Control editBox) { return Narrow(WindowText(Record(editBox).hwnd)); }

void MainWindow::SetText(Control editBox, std::string_view text) {
  SetWindowTextW(Record(editBox).hwnd, Widen(text).c_str());
}

std::string MainWindow::Caption(Control c) { return Record(c).caption; }

void MainWindow::SetCaption(Control c, std::string_view caption) {
  ControlRecord& record = Record(c);
  record.caption = std::string(caption);
  SetWindowTextW(record.hwnd, Widen(caption).c_str());
  // A painted label draws its caption only when it is repainted.
  if (RowOf(c).kind == ControlKind::Label) InvalidateRect(record.hwnd, nullptr, TRUE);
}

std::int32_t MainWindow::Checked(Control checkBox) {
  return SendMessageW(Record(checkBox).hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void MainWindow::SetChecked(Control checkBox, std::int32_t value) {
  SendMessageW(Record(checkBox).hwnd, BM_SETCHECK, AsBoolean(value) ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::int32_t MainWindow::SelectedIndex(Control list) {
  // CB_ERR, when nothing is selected, is -1 too.
  return static_cast<std::int32_t>(SendMessageW(Record(list).hwnd, CB_GETCURSEL, 0, 0));
}

void MainWindow::SetSelectedIndex(Control list, std::int32_t index) {
  const HWND hwnd = Record(list).hwnd;
  const auto count = static_cast<std::int32_t>(SendMessageW(hwnd, CB_GETCOUNT, 0, 0));
  SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(ClampSelection(index, count)), 0);
}

std::int32_t MainWindow::Visible() { return IsWindowVisible(hwnd_) ? 1 : 0; }

void MainWindow::SetVisible(std::int32_t value) { ShowWindow(hwnd_, AsBoolean(value) ? SW_SHOW : SW_HIDE); }

void MainWindow::SetHeight(std::int32_t outerHeight) {
  RECT outer;
  if (!GetWindowRect(hwnd_, &outer)) return;
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, ClampHeight(outerHeight),
               SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void MainWindow::SetAlwaysOnTop(std::int32_t value) {
  SetWindowPos(hwnd_, AsBoolean(value) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindow::SetPeriod(Control timer, std::int32_t period) { WriteTimerPeriod(Record(timer), period); }

void MainWindow::MoveFocus(Control c) { SetFocus(Record(c).hwnd); }

}  // namespace ondrave::win32
