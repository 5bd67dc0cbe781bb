// The link label: its colours under the pointer and after a visit, and its
// target opened by the shell or, when the shell has no handler for it, by
// the browser registered for .htm files. The probe registers both handlers
// in its throwaway Wine prefix: commands that write what they were given to
// a file.
#include <optional>
#include <string>

#include "desktop/win32/wide_text.h"
#include "probe/desktop_input.h"
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;
using ondrave::win32::Narrow;
using ondrave::win32::Widen;

constexpr wchar_t kShellRecord[] = L"C:\\ondrave-link-shell.txt";
constexpr wchar_t kBrowserRecord[] = L"C:\\ondrave-link-browser.txt";
constexpr wchar_t kBrowserClass[] = L"OndraveProbe.htm";

bool SetDefaultValue(const std::wstring& subkey, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const bool set =
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
  RegCloseKey(key);
  return set;
}

// The target's scheme: the text before its first colon.
std::wstring Scheme() {
  const std::wstring target = Widen(ondrave::kLink.target);
  return target.substr(0, target.find(L':'));
}

// The shell opens the target's scheme with a command that records its argument.
bool RegisterSchemeHandler() {
  const std::wstring scheme = Scheme();
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, scheme.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  RegSetValueExW(key, L"URL Protocol", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
  RegCloseKey(key);
  return SetDefaultValue(scheme + L"\\shell\\open\\command",
                         std::wstring(L"cmd.exe /c echo %1>") + kShellRecord);
}

bool RemoveSchemeHandler() { return RegDeleteTreeW(HKEY_CLASSES_ROOT, Scheme().c_str()) == ERROR_SUCCESS; }

// A browser whose command line has the document as "%1" in quotes, with
// more after it: the label cuts the line there and appends the target.
bool RegisterBrowser() {
  return SetDefaultValue(L".htm", kBrowserClass) &&
         SetDefaultValue(std::wstring(kBrowserClass) + L"\\shell\\open\\command",
                         std::wstring(L"cmd.exe /c echo>") + kBrowserRecord + L" \"%1\" --ignored");
}

// What a handler wrote, without the line break of echo.
std::optional<std::string> Recorded(const wchar_t* record) {
  const HANDLE handle = CreateFileW(record, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  char buffer[512];
  DWORD read = 0;
  const bool ok = ReadFile(handle, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(handle);
  if (!ok || read == 0) return std::nullopt;
  std::string text(buffer, read);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  return text;
}

// Whether any pixel of the label on the screen has the colour.
bool ShowsColour(HWND label, ondrave::Rgb colour) {
  RECT r{};
  GetWindowRect(label, &r);
  const HDC screen = GetDC(nullptr);
  bool found = false;
  for (LONG y = r.top; y < r.bottom && !found; ++y)
    for (LONG x = r.left; x < r.right && !found; ++x)
      found = GetPixel(screen, x, y) == RGB(colour.r, colour.g, colour.b);
  ReleaseDC(nullptr, screen);
  return found;
}

bool ComesToShow(HWND label, ondrave::Rgb colour) {
  return WaitUntil([&] { return ShowsColour(label, colour); }, 3000);
}

POINT CentreOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

void CheckLinkLabel(AppUnderTest& app, Checks& checks) {
  const HWND link = app.Control(Control::超级链接框1);
  const POINT away{CentreOf(app.Main()).x, CentreOf(app.Main()).y - 60};
  const std::string target(ondrave::kLink.target);
  DeleteFileW(kShellRecord);
  DeleteFileW(kBrowserRecord);
  BringToFront(app.Main());
  checks.Expect(ComesToShow(link, ondrave::kLink.normal), "the link label is drawn in blue");

  MovePointerTo(CentreOf(link));
  checks.Expect(ComesToShow(link, ondrave::kLink.hovered), "under the pointer it turns light blue");
  MovePointerTo(away);
  checks.Expect(ComesToShow(link, ondrave::kLink.normal), "and blue again when the pointer leaves");

  if (!checks.Expect(RegisterSchemeHandler(), "the probe registers a handler for the target")) return;
  ClickAt(CentreOf(link));
  checks.Expect(WaitUntil([&] { return Recorded(kShellRecord) == target; }, 10000),
                "a click opens the target through the shell", Recorded(kShellRecord).value_or("nothing recorded"));
  MovePointerTo(away);
  checks.Expect(ComesToShow(link, ondrave::kLink.visited), "once opened, the link is drawn in dark red");

  if (!checks.Expect(RemoveSchemeHandler() && RegisterBrowser(), "the probe leaves only a browser for .htm")) return;
  ClickAt(CentreOf(link));
  checks.Expect(WaitUntil([&] { return Recorded(kBrowserRecord) == target; }, 10000),
                "without a handler the target goes to the .htm browser",
                Recorded(kBrowserRecord).value_or("nothing recorded"));
  MovePointerTo(away);
}

}  // namespace probe
