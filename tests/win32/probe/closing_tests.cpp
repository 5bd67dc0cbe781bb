// Esc closes the window and the process ends with exit code 0.
#include "probe/desktop_input.h"
#include "probe/tests.h"

namespace probe {

void CheckClosing(AppUnderTest& app, Checks& checks) {
  using ondrave::Control;
  const HWND main = app.Main();
  BringToFront(main);
  // Esc acts whichever enabled control has the focus; a click puts it on a
  // check box.
  POINT box{ondrave::ClientPosition(Control::选择框1).x + 6, ondrave::ClientPosition(Control::选择框1).y + 8};
  ClientToScreen(main, &box);
  ClickAt(box);
  checks.Expect(WaitUntil([&] { return app.Focused() == app.Control(Control::选择框1); }, 2000),
                "a click moves the focus to 选择框1");
  PressKey(VK_ESCAPE);
  const std::optional<DWORD> exitCode = app.WaitForExit(10000);
  checks.Expect(exitCode.has_value(), "Esc ends the program");
  if (exitCode) checks.Expect(*exitCode == 0, "with exit code 0", Format("exit code %lu", *exitCode));
}

}  // namespace probe
