// The start/stop key chosen in 组合框2 switches clicking at the pointer on
// and off; each click kind of 组合框1 reaches a window of the probe's own.
#include <algorithm>
#include <string>
#include <vector>

#include "app/win32/control_ids.h"
#include "probe/click_target.h"
#include "probe/desktop_input.h"
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;

constexpr int kF8Item = 33;  // "F8" in 组合框2
constexpr WORD kStartStopKey = VK_F8;
// Enough button presses to tell the kind, and enough time for them.
constexpr std::size_t kPressesToSee = 6;
constexpr DWORD kClickTimeoutMs = 5000;
// Two presses of one double click come back to back; the ticks of the
// clicking timer are at least 10 ms apart.
constexpr DWORD kBackToBackMs = 3;

struct KindCase {
  int kind;  // item of 组合框1
  const char* name;
  UINT down, doubleClick;            // the button it presses
  UINT otherDown, otherDoubleClick;  // the button it must not press
  bool pairs;                        // two presses per tick
};
constexpr KindCase kKinds[] = {
    {0, "left single", WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, false},
    {1, "left double", WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, true},
    {2, "right single", WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, false},
    {3, "right double", WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, true},
};

// The presses of the case's button, as down or double-click messages.
std::vector<DWORD> PressTimes(const ClickTarget& target, const KindCase& c) {
  std::vector<DWORD> times;
  for (const ButtonMessage& m : target.Messages())
    if (m.message == c.down || m.message == c.doubleClick) times.push_back(m.time);
  return times;
}

bool PressedOther(const ClickTarget& target, const KindCase& c) {
  return std::ranges::any_of(target.Messages(), [&](const ButtonMessage& m) {
    return m.message == c.otherDown || m.message == c.otherDoubleClick;
  });
}

bool HasBackToBackPair(const std::vector<DWORD>& times) {
  for (std::size_t i = 1; i < times.size(); ++i)
    if (times[i] - times[i - 1] <= kBackToBackMs) return true;
  return false;
}

// Whether this process could register the key for itself; it gives it back.
bool KeyIsFree(WORD key) {
  constexpr int kProbeHotkeyId = 1;
  if (!RegisterHotKey(nullptr, kProbeHotkeyId, 0, key)) return false;
  UnregisterHotKey(nullptr, kProbeHotkeyId);
  return true;
}

void PressStartStop(const AppUnderTest& app) {
  BringToFront(app.Main());
  PressKey(kStartStopKey);
}

// Presses of the target that come in while waiting `ms`.
std::size_t PressesWithin(ClickTarget& target, DWORD ms) {
  target.Clear();
  Settle(ms);
  return target.Messages().size();
}

void CheckKind(const AppUnderTest& app, ClickTarget& target, const KindCase& c, Checks& checks) {
  Send(app.Control(Control::组合框1), CB_SETCURSEL, static_cast<WPARAM>(c.kind));
  target.Clear();
  PressStartStop(app);
  const bool clicked = WaitUntil([&] { return PressTimes(target, c).size() >= kPressesToSee; }, kClickTimeoutMs);
  PressStartStop(app);
  const std::string kind = c.name;
  if (!checks.Expect(clicked, "the start/stop key starts " + kind + " clicks at the pointer",
                     Format("%zu presses seen", PressTimes(target, c).size())))
    return;
  checks.Expect(!PressedOther(target, c), kind + " clicks press no other button");
  if (c.pairs) checks.Expect(HasBackToBackPair(PressTimes(target, c)), kind + " clicks press twice at once");
  Settle(200);  // the last tick before the stop may still be on its way
  checks.Expect(PressesWithin(target, 500) == 0, "the start/stop key stops the " + kind + " clicks");
}

}  // namespace

void CheckSynthesisedClicks(AppUnderTest& app, Checks& checks) {
  ClickTarget target;
  if (!checks.Expect(target.Create(RECT{40, 40, 240, 240}), "the probe's click target opens")) return;

  // Choosing an item as the list reports it to its parent, the group box.
  // Its handler, run once the choice is complete, registers the key: from
  // then on no other program can have it.
  const HWND keyList = app.Control(Control::组合框2);
  Send(keyList, CB_SETCURSEL, kF8Item);
  Send(GetParent(keyList), WM_COMMAND, MAKEWPARAM(ondrave::win32::ControlId(Control::组合框2), CBN_SELENDOK),
       reinterpret_cast<LPARAM>(keyList));
  checks.Expect(WaitUntil([] { return !KeyIsFree(kStartStopKey); }, 2000),
                "choosing F8 in 组合框2 registers F8 for the program");

  const POINT centre = target.Centre();
  SetCursorPos(centre.x, centre.y);
  PressStartStop(app);
  checks.Expect(PressesWithin(target, 500) == 0, "the first press after the choice only arms the key");

  for (const KindCase& c : kKinds) CheckKind(app, target, c, checks);
  Send(app.Control(Control::组合框1), CB_SETCURSEL, 0);

  POINT rest{};
  GetCursorPos(&rest);
  checks.Expect(rest.x == centre.x && rest.y == centre.y, "the pointer rests where the clicks were made");
}

}  // namespace probe
