#include "app/win32/control_subclass.h"

#include <array>

#include "app/keyboard_rules.h"

namespace ondrave::win32 {
namespace {

LRESULT CallOriginal(const ControlRecord& record, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(record.originalProc, hwnd, message, wParam, lParam);
}

// Typed characters other than digits and "-" are dropped before the box sees
// them, also those an input method composes (the edit control inserts
// WM_IME_CHAR itself, without a WM_CHAR). Pasting (WM_PASTE) does not come
// this way and is taken as it is.
LRESULT CALLBACK EditBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const ControlRecord& record = *RecordOf(hwnd);
  const bool typed = message == WM_CHAR || message == WM_IME_CHAR;
  if (typed && !EditAcceptsTypedChar(static_cast<char32_t>(wParam))) return 0;
  return CallOriginal(record, hwnd, message, wParam, lParam);
}

// A BN_CLICKED that the box sends while it gains or loses the focus is not a
// click of the user's; the main window looks at this flag to tell.
LRESULT CALLBACK CheckBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ControlRecord& record = *RecordOf(hwnd);
  if (message != WM_SETFOCUS && message != WM_KILLFOCUS) return CallOriginal(record, hwnd, message, wParam, lParam);
  record.focusChanging = true;
  const LRESULT result = CallOriginal(record, hwnd, message, wParam, lParam);
  record.focusChanging = false;
  return result;
}

// The group box is the Win32 parent of the controls drawn inside it, so
// their notifications reach it first; the main window raises their events.
// A group box paints only its frame and caption, and the main window clips
// its children, so the box fills its own face.
LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const ControlRecord& record = *RecordOf(hwnd);
  if (message == WM_COMMAND) return SendMessageW(GetParent(hwnd), WM_COMMAND, wParam, lParam);
  if (message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return CallOriginal(record, hwnd, message, wParam, lParam);
}

struct KindSubclass {
  ControlKind kind;
  WNDPROC proc;
};
constexpr std::array<KindSubclass, 3> kSubclasses{{
    {ControlKind::EditBox, &EditBoxProc},
    {ControlKind::CheckBox, &CheckBoxProc},
    {ControlKind::GroupBox, &GroupBoxProc},
}};

WNDPROC SubclassProcOf(ControlKind kind) {
  for (const KindSubclass& s : kSubclasses)
    if (s.kind == kind) return s.proc;
  return nullptr;
}

}  // namespace

bool NeedsSubclass(ControlKind kind) { return SubclassProcOf(kind) != nullptr; }

bool Subclass(ControlRecord& record, ControlKind kind) {
  const WNDPROC proc = SubclassProcOf(kind);
  if (proc == nullptr) return false;
  // The new procedure finds the original one through the record.
  SetWindowLongPtrW(record.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&record));
  record.originalProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(record.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
  return record.originalProc != nullptr;
}

}  // namespace ondrave::win32
