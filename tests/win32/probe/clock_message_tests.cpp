// The clock label, and the hotkey help shown in a message box that leaves
// the main window and its timers working.
#include <string>

#include "clicker/messages.h"
#include "desktop/services.h"
#include "desktop/win32/wide_text.h"
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;
using ondrave::win32::Narrow;
using ondrave::win32::Widen;

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

HWND FindMessageBox() { return FindWindowW(L"#32770", Widen(ondrave::kMessageCaption).c_str()); }

// "<year>年": how the clock label's text begins this year.
std::wstring ThisYear() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return std::to_wstring(now.wYear) + L"年";
}

}  // namespace

void CheckClockAndMessageBox(AppUnderTest& app, Checks& checks) {
  const HWND clock = app.Control(Control::标签10);
  checks.Expect(WaitUntil([&] { return TextOf(clock).starts_with(ThisYear()); }, 3000),
                "the clock label shows the date", "reads \"" + Narrow(TextOf(clock)) + "\"");

  PostMessageW(app.Control(Control::按钮2), BM_CLICK, 0, 0);
  HWND box = nullptr;
  if (!checks.Expect(WaitUntil([&] { return (box = FindMessageBox()) != nullptr; }, 5000),
                     "按钮2 opens a message box captioned \"信息：\"", "no box came"))
    return;
  const std::wstring text = TextOf(GetDlgItem(box, kMessageTextId));
  checks.Expect(text == Widen(ondrave::text::kHotkeyHelp), "the box shows the hotkey help",
                "reads \"" + Narrow(text) + "\"");
  checks.Expect(GetWindow(box, GW_OWNER) == nullptr && (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
                "the box has no owner and stays on top");
  checks.Expect(IsWindowEnabled(app.Main()) != FALSE, "the main window stays enabled behind the box");
  const std::wstring shownBefore = TextOf(clock);
  checks.Expect(WaitUntil([&] { return TextOf(clock) != shownBefore; }, 3000),
                "the clock goes on ticking while the box is open");

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  checks.Expect(WaitUntil([&] { return !IsWindow(box); }, 3000), "OK closes the box");
}

}  // namespace probe
