#include "probe/click_target.h"

#include <algorithm>
#include <array>

namespace probe {
namespace {

constexpr wchar_t kClassName[] = L"OndraveProbeClickTarget";

constexpr std::array<UINT, 8> kButtonMessages{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                                              WM_RBUTTONUP,   WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_MBUTTONUP};

}  // namespace

LRESULT CALLBACK ClickTarget::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* target = reinterpret_cast<ClickTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (target != nullptr && std::ranges::find(kButtonMessages, message) != kButtonMessages.end()) {
    target->messages_.push_back({message, static_cast<DWORD>(GetMessageTime())});
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool ClickTarget::Create(RECT area) {
  area_ = area;
  WNDCLASSW windowClass{};
  // Double clicks are told apart, as a user's window would.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &ClickTarget::WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassW(&windowClass) == 0) return false;
  hwnd_ = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST, kClassName, L"click target", WS_POPUP | WS_VISIBLE,
                          area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                          windowClass.hInstance, this);
  return hwnd_ != nullptr;
}

ClickTarget::~ClickTarget() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

POINT ClickTarget::Centre() const { return {(area_.left + area_.right) / 2, (area_.top + area_.bottom) / 2}; }

}  // namespace probe
