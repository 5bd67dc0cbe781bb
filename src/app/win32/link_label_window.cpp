#include "app/win32/link_label_window.h"

#include <windowsx.h>

#include "app/win32/control_record.h"
#include "app/win32/open_link.h"
#include "app/win32/painted_text.h"
#include "desktop/win32/wide_text.h"

namespace ondrave::win32 {
namespace {

constexpr UINT kTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;

Rgb ColourOf(const ControlRecord& record) {
  if (record.hovered) return kLink.hovered;
  if (record.visited) return kLink.visited;
  return kLink.normal;
}

void Paint(HWND hwnd, const ControlRecord& record) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd, &paint);
  if (dc == nullptr) return;
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  std::wstring text = WindowText(hwnd);
  if (text.empty()) text = Widen(kLink.target);
  DrawWindowText(dc, record, text, ColourOf(record), client, kTextFlags);
  EndPaint(hwnd, &paint);
}

void OnMouseMove(HWND hwnd, ControlRecord& record, POINT at) {
  if (!record.hovered) {
    // The capture brings the move that leaves the label, wherever it goes.
    record.hovered = true;
    InvalidateRect(hwnd, nullptr, TRUE);
    SetCapture(hwnd);
    return;
  }
  RECT client;
  GetClientRect(hwnd, &client);
  if (PtInRect(&client, at)) return;
  record.hovered = false;
  ReleaseCapture();
  InvalidateRect(hwnd, nullptr, TRUE);
}

void OnPress(HWND hwnd, ControlRecord& record) {
  record.visited = OpenLink(Widen(kLink.target));
  if (record.visited) {
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
  }
}

}  // namespace

LRESULT CALLBACK LinkLabelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) KeepRecordAtCreation(hwnd, lParam);
  ControlRecord* record = RecordOf(hwnd);
  if (record == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);

  LRESULT result = 0;
  if (HandleFontMessage(hwnd, *record, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_PAINT:
      Paint(hwnd, *record);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the whole client area is painted in WM_PAINT
    case WM_MOUSEMOVE:
      OnMouseMove(hwnd, *record, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a menu, a drag): the pointer may be
      // anywhere now, so the label stops showing itself as hovered.
      if (record->hovered && reinterpret_cast<HWND>(lParam) != hwnd) {
        record->hovered = false;
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONDOWN:
      OnPress(hwnd, *record);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace ondrave::win32
