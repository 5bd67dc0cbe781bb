#include "app/win32/window_classes.h"

#include "app/win32/control_ids.h"
#include "app/win32/label_window.h"
#include "app/win32/link_label_window.h"
#include "app/win32/timer_window.h"

namespace ondrave::win32 {
namespace {

struct ClassRow {
  const wchar_t* name;
  WNDPROC proc;  // null: the main window's, given by the caller
  UINT style;
  LPCWSTR cursor;
  bool faceBackground;  // painted with COLOR_BTNFACE by the system
};

const ClassRow kClasses[] = {
    {kMainWindowClass, nullptr, 0, IDC_ARROW, true},
    // Labels paint their whole face themselves.
    {kLabelClass, &LabelWindowProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW, false},
    {kLinkLabelClass, &LinkLabelWindowProc, CS_HREDRAW | CS_VREDRAW, IDC_HAND, false},
    {kTimerClass, &TimerWindowProc, 0, IDC_ARROW, false},
};

HICON LoadAppIcon(HINSTANCE instance, int metricX, int metricY) {
  // A missing icon leaves the system's default in its place.
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kAppIconId), IMAGE_ICON,
                                       GetSystemMetrics(metricX), GetSystemMetrics(metricY), LR_DEFAULTCOLOR));
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance, WNDPROC mainWindowProc) {
  for (const ClassRow& row : kClasses) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = row.style;
    windowClass.lpfnWndProc = row.proc != nullptr ? row.proc : mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, row.cursor);
    windowClass.hbrBackground = row.faceBackground ? GetSysColorBrush(COLOR_BTNFACE) : nullptr;
    windowClass.lpszClassName = row.name;
    if (row.proc == nullptr) {
      windowClass.hIcon = LoadAppIcon(instance, SM_CXICON, SM_CYICON);
      windowClass.hIconSm = LoadAppIcon(instance, SM_CXSMICON, SM_CYSMICON);
    }
    if (RegisterClassExW(&windowClass) == 0) return false;
  }
  return true;
}

}  // namespace ondrave::win32
