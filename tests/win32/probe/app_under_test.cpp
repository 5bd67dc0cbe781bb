#include "probe/app_under_test.h"

#include "app/win32/control_ids.h"
#include "desktop/win32/wide_text.h"

namespace probe {
namespace {
// Wine loads its own libraries at the first start: that takes a while.
constexpr DWORD kWindowTimeoutMs = 60000;
constexpr UINT kSendTimeoutMs = 5000;
}  // namespace

AppUnderTest::~AppUnderTest() {
  if (process_.hProcess == nullptr) return;
  // A program that a failed check left running is ended here.
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool AppUnderTest::Start(const std::wstring& executable) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + executable + L"\"";
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    process_ = {};
    return false;
  }
  const std::wstring title = ondrave::win32::Widen(ondrave::kMainWindow.title);
  return WaitUntil(
      [&] {
        main_ = FindWindowW(ondrave::win32::kMainWindowClass, title.c_str());
        return main_ != nullptr && IsWindowVisible(main_);
      },
      kWindowTimeoutMs);
}

HWND AppUnderTest::Control(ondrave::Control c) const {
  const ondrave::ControlRow& entry = ondrave::RowOf(c);
  const HWND parent = entry.parent ? Control(*entry.parent) : main_;
  return parent != nullptr ? GetDlgItem(parent, ondrave::win32::ControlId(c)) : nullptr;
}

HWND AppUnderTest::Focused() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

std::optional<DWORD> AppUnderTest::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.hProcess, &code)) return std::nullopt;
  return code;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(5);
  }
}

void Settle(DWORD ms) { WaitUntil([] { return false; }, ms); }

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[512] = {};
  Send(hwnd, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, sizeof name / sizeof name[0]);
  return name;
}

}  // namespace probe
