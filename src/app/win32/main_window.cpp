#include "app/win32/main_window.h"

#include <new>

#include "app/win32/control_ids.h"
#include "app/win32/failure_texts.h"
#include "app/win32/window_classes.h"
#include "desktop/fatal_error.h"
#include "desktop/win32/wide_text.h"

namespace ondrave::win32 {
namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Posted after CBN_SELENDOK so that ItemSelected runs once the list has
// finished its own handling of the choice; wParam names the list.
constexpr UINT kItemSelectedMessage = WM_APP + 1;

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

void MainWindow::Create(EventHandler& handler) {
  handler_ = &handler;
  if (!RegisterWindowClasses(instance_, &MainWindow::WindowProc)) FatalError(text::kWindowNotCreated);

  const int width = kMainWindow.outerWidth, height = kMainWindow.outerHeight;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  hwnd_ = CreateWindowExW(0, kMainWindowClass, Widen(kMainWindow.title).c_str(), kWindowStyle, left, top, width,
                          height, nullptr, nullptr, instance_, this);
  if (hwnd_ == nullptr) FatalError(text::kWindowNotCreated);
  // The desktop may have adjusted the size it was given.
  RECT outer;
  if (GetWindowRect(hwnd_, &outer) && (outer.right - outer.left != width || outer.bottom - outer.top != height))
    MoveWindow(hwnd_, outer.left, outer.top, width, height, FALSE);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);

  CreateControls(hwnd_, instance_, GuiFont(), controls_, *this);
}

void MainWindow::RaiseCreated() {
  if (EventsStopped()) return;
  try {
    handler_->OnCreated();
  } catch (const std::bad_alloc&) {
    FatalError(text::kOutOfMemory);
  }
}

void MainWindow::Show() { ShowWindow(hwnd_, SW_SHOW); }

void MainWindow::Raise(Control c, Event e, std::int32_t arg1, std::int32_t arg2) {
  if (EventsStopped() || handler_ == nullptr) return;
  // Nothing may unwind through the system's message dispatch.
  try {
    handler_->OnEvent(c, e, arg1, arg2);
  } catch (const std::bad_alloc&) {
    FatalError(text::kOutOfMemory);
  }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr || window->hwnd_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
  return window->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case kItemSelectedMessage:
      if (const std::optional<Control> list = ControlFromId(static_cast<int>(wParam)))
        Raise(*list, Event::ItemSelected);
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
      OnActivate(wParam);
      break;  // the default handling activates and focuses the window
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  const std::optional<Control> control = ControlFromId(LOWORD(wParam));
  // Only the window's own controls raise events; a menu or accelerator
  // command (no window in lParam) is none of them.
  if (!control || Record(*control).hwnd != reinterpret_cast<HWND>(lParam)) return;
  const ControlRecord& record = Record(*control);
  const ControlKind kind = RowOf(*control).kind;
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      if (kind == ControlKind::PushButton || (kind == ControlKind::CheckBox && !record.focusChanging))
        Raise(*control, Event::Clicked);
      break;
    case CBN_SELENDOK:
      if (kind == ControlKind::DropDownList)
        PostMessageW(hwnd_, kItemSelectedMessage, static_cast<WPARAM>(ControlId(*control)), 0);
      break;
    case EN_KILLFOCUS:
      if (kind == ControlKind::EditBox) Raise(*control, Event::LostFocus);
      break;
    default:
      break;
  }
}

// Group boxes draw their captions in their own colours on the window's face.
LRESULT MainWindow::OnControlColour(HDC dc, HWND control) {
  const std::optional<Control> c = ControlOfWindow(control);
  if (!c || RowOf(*c).kind != ControlKind::GroupBox || !RowOf(*c).colour)
    return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const Rgb colour = *RowOf(*c).colour;
  SetTextColor(dc, RGB(colour.r, colour.g, colour.b));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace ondrave::win32
