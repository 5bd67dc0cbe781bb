#include "app/win32/label_window.h"

#include "app/win32/control_record.h"
#include "app/win32/painted_text.h"
#include "desktop/win32/hotkey_registry.h"

namespace ondrave::win32 {
namespace {

constexpr Rgb kDefaultTextColour{0, 0, 0};
constexpr UINT kSingleLine = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP;
// DT_VCENTER has no effect without DT_SINGLELINE: wrapped lines start at the top.
constexpr UINT kWordWrap = DT_LEFT | DT_WORDBREAK | DT_VCENTER | DT_NOCLIP;

void FillGradient(HDC dc, const RECT& client) {
  const int width = client.right - client.left;
  const HGDIOBJ columnBrush = GetStockObject(DC_BRUSH);
  for (int x = 0; x < width; ++x) {
    SetDCBrushColor(dc, ToColorRef(GradientColumn(x, width)));
    const RECT column{client.left + x, client.top, client.left + x + 1, client.bottom};
    FillRect(dc, &column, static_cast<HBRUSH>(columnBrush));
  }
}

void Paint(HWND hwnd, const ControlRecord& record) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd, &paint);
  if (dc == nullptr) return;
  RECT client;
  GetClientRect(hwnd, &client);
  const ControlRow& entry = RowOf(record.id);
  if (entry.gradient)
    FillGradient(dc, client);
  else
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  DrawWindowText(dc, record, WindowText(hwnd), entry.colour.value_or(kDefaultTextColour), client,
                 entry.wordWrap ? kWordWrap : kSingleLine);
  EndPaint(hwnd, &paint);
}

}  // namespace

LRESULT CALLBACK LabelWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
    case kFeedbackMessage:
      record->sink->Raise(record->id, Event::Feedback, static_cast<std::int32_t>(wParam),
                          static_cast<std::int32_t>(lParam));
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace ondrave::win32
