// Hotkey presses reach 标签1's Feedback event: sent to the label directly,
// posted to the main window as WM_HOTKEY (through the hook), and pressed on
// the keyboard. F3, the first key registered, has the id 33001 and hides
// and shows the window.
#include "probe/desktop_input.h"
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;

constexpr UINT kFeedbackMessage = 0x8075;
constexpr WPARAM kShowHideId = 33001;  // F3, registered first at start

bool Visible(HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; }

// Hiding can take the desktop a second: without a window manager Wine waits
// that long for the window to be withdrawn before it goes on.
bool BecomesVisible(HWND hwnd, bool visible) {
  return WaitUntil([&] { return Visible(hwnd) == visible; }, 5000);
}

// Nothing changes within a short while.
bool StaysVisible(HWND hwnd) {
  Settle(300);
  return Visible(hwnd);
}

}  // namespace

void CheckHotkeys(AppUnderTest& app, Checks& checks) {
  const HWND main = app.Main();

  // The Feedback message, sent as the hook sends it.
  Send(app.Control(Control::标签4), kFeedbackMessage, kShowHideId, 0);
  checks.Expect(StaysVisible(main), "the feedback message to another label does nothing");
  Send(app.Control(Control::标签1), kFeedbackMessage, kShowHideId, 0);
  checks.Expect(BecomesVisible(main, false), "the feedback message 33001 to 标签1 hides the window");
  Send(app.Control(Control::标签1), kFeedbackMessage, kShowHideId, 0);
  checks.Expect(BecomesVisible(main, true), "and shows it again");

  // WM_HOTKEY as the desktop posts it: only identifiers issued so far count.
  PostMessageW(main, WM_HOTKEY, kShowHideId, MAKELPARAM(0, VK_F3));
  checks.Expect(BecomesVisible(main, false), "WM_HOTKEY 33001 reaches the label through the hook");
  PostMessageW(main, WM_HOTKEY, kShowHideId, MAKELPARAM(0, VK_F3));
  checks.Expect(BecomesVisible(main, true), "and a second one shows the window");
  for (WPARAM unknown : {WPARAM{33000}, WPARAM{33999}, static_cast<WPARAM>(-1)}) {
    PostMessageW(main, WM_HOTKEY, unknown, 0);
    checks.Expect(StaysVisible(main), Format("WM_HOTKEY with the unissued id %lld does nothing",
                                             static_cast<long long>(static_cast<int>(unknown))));
  }

  // The key itself. The desktop delivers hotkeys while one of its windows
  // has the keyboard focus.
  checks.Expect(BringToFront(main), "the window is in front before F3 is pressed");
  PressKey(VK_F3);
  checks.Expect(BecomesVisible(main, false), "pressing F3 hides the window");
  PressKey(VK_F3);
  checks.Expect(BecomesVisible(main, true), "pressing F3 again shows it");
}

}  // namespace probe
