#include "app/win32/painted_text.h"

#include <string>

namespace ondrave::win32 {

bool HandleFontMessage(HWND hwnd, ControlRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
  if (message == WM_SETFONT) {
    record.font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
    result = 0;
    return true;
  }
  if (message == WM_GETFONT) {
    result = reinterpret_cast<LRESULT>(record.font);
    return true;
  }
  return false;
}

void DrawWindowText(HDC dc, const ControlRecord& record, const std::wstring& text, Rgb colour, RECT area,
                    UINT flags) {
  // Without a font of its own the label draws in the DC's default font.
  const HGDIOBJ previousFont = record.font != nullptr ? SelectObject(dc, record.font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(colour));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, flags);
  if (previousFont != nullptr) SelectObject(dc, previousFont);
}

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  // The text may have shrunk in between; the copy tells its real length.
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

}  // namespace ondrave::win32
