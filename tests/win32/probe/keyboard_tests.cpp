// The focus at start, the keyboard order and the focus rule on activation.
#include <span>
#include <string>

#include "probe/desktop_input.h"
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;

// Where Tab and Shift+Tab go from 编辑框2, step by step. The keyboard order
// runs against the table; leaving 编辑框3 sends the focus on to 编辑框6 (the
// clicker's LostFocus handler), so the forward walk skips part of the order
// and the backward walk, which sees all of it, ends in 编辑框6.
constexpr Control kForwardWalk[] = {
    Control::编辑框3, Control::编辑框6, Control::按钮1, Control::按钮2, Control::选择框2, Control::编辑框2,
};
constexpr Control kBackwardWalk[] = {
    Control::选择框2, Control::按钮2, Control::按钮1, Control::编辑框6, Control::选择框1,
    Control::组合框2, Control::编辑框4, Control::按钮8, Control::按钮7, Control::编辑框5,
    Control::按钮6,   Control::编辑框3, Control::编辑框6,
};

std::string NameOfFocus(const AppUnderTest& app) {
  const HWND focused = app.Focused();
  for (const ondrave::ControlRow& entry : ondrave::ControlTable())
    if (app.Control(entry.id) == focused) return std::string(entry.name);
  return focused == app.Main() ? "the main window" : Format("window %p", static_cast<void*>(focused));
}

bool FocusComesTo(const AppUnderTest& app, Control c) {
  return WaitUntil([&] { return app.Focused() == app.Control(c); }, 2000);
}

// Presses Tab (or Shift+Tab) once per step; empty when every step landed
// where it should, else the first step that did not.
std::string Walk(const AppUnderTest& app, std::span<const Control> steps, bool backward) {
  for (std::size_t step = 0; step < steps.size(); ++step) {
    PressKey(VK_TAB, backward);
    if (!FocusComesTo(app, steps[step]))
      return Format("step %zu went to ", step + 1) + NameOfFocus(app) + ", not " +
             std::string(ondrave::RowOf(steps[step]).name);
  }
  return {};
}

}  // namespace

void CheckKeyboardFocus(AppUnderTest& app, Checks& checks) {
  checks.Expect(BringToFront(app.Main()), "the window can be brought to the front");
  checks.Expect(FocusComesTo(app, Control::编辑框2), "the focus starts in 编辑框2", NameOfFocus(app));

  const std::string forward = Walk(app, kForwardWalk, false);
  checks.Expect(forward.empty(), "Tab follows the keyboard order and wraps around", forward);
  const std::string backward = Walk(app, kBackwardWalk, true);
  checks.Expect(backward.empty(), "Shift+Tab follows it the other way", backward);

  // Away to another application's window and back: the focus returns.
  PressKey(VK_TAB, true);
  checks.Expect(FocusComesTo(app, Control::选择框1), "Shift+Tab from 编辑框6 goes to 选择框1", NameOfFocus(app));
  const HWND other = CreateWindowExW(0, L"STATIC", L"another application", WS_POPUP | WS_VISIBLE | WS_BORDER, 700,
                                     40, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  checks.Expect(BringToFront(other), "another window takes the activation");
  BringToFront(app.Main());
  checks.Expect(FocusComesTo(app, Control::选择框1), "the focus comes back to the control that had it",
                NameOfFocus(app));
  DestroyWindow(other);
}

}  // namespace probe
