// How the Win32 windows of the main window are named: the control
// identifier of each control and the classes of the program's own windows.
// The test probe reads the same names to find the controls from outside.
#pragma once

#include <optional>
#include <string_view>

#include "app/win32/resource_ids.h"
#include "app/window_table.h"

namespace ondrave::win32 {

// A control's identifier is its row in the window table plus this base.
inline constexpr int kControlIdBase = 1000;

constexpr int ControlId(Control c) { return kControlIdBase + static_cast<int>(c); }

constexpr std::optional<Control> ControlFromId(int id) {
  if (id < kControlIdBase || id >= kControlIdBase + kControlCount) return std::nullopt;
  return static_cast<Control>(id - kControlIdBase);
}

// Window classes of the program's own.
inline constexpr wchar_t kMainWindowClass[] = L"ondrave-clicker";
inline constexpr wchar_t kLabelClass[] = L"OndraveLabel";
inline constexpr wchar_t kLinkLabelClass[] = L"OndraveLinkLabel";
inline constexpr wchar_t kTimerClass[] = L"OndraveTimer";

constexpr bool SameAsciiName(const wchar_t* wide, std::string_view narrow) {
  for (char c : narrow)
    if (*wide++ != static_cast<wchar_t>(c)) return false;
  return *wide == L'\0';
}
static_assert(SameAsciiName(kMainWindowClass, kMainWindow.windowClass));

// The icon resource of the application.
inline constexpr int kAppIconId = ONDRAVE_APP_ICON;

}  // namespace ondrave::win32
