// Tests the Windows program from outside, as a user and the desktop would:
// starts it, inspects its windows, types, clicks and presses hotkeys, and
// checks what it does. Usage: win32-probe <path of ondrave-clicker.exe>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "probe/tests.h"

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc != 2) {
    std::fprintf(stderr, "usage: win32-probe <path of ondrave-clicker.exe>\n");
    return 2;
  }
  const std::wstring executable = argv[1];
  LocalFree(argv);

  probe::Checks checks;
  probe::CheckIcon(executable, checks);
  probe::AppUnderTest app;
  if (checks.Expect(app.Start(executable), "the program starts and shows its main window", "no window came")) {
    using Group = void (*)(probe::AppUnderTest&, probe::Checks&);
    constexpr Group kGroups[] = {
        probe::CheckMainWindow,    probe::CheckControls,           probe::CheckKeyboardFocus,
        probe::CheckEditBoxInput,  probe::CheckWindowOptions,      probe::CheckClockAndMessageBox,
        probe::CheckHotkeys,       probe::CheckSynthesisedClicks,  probe::CheckLinkLabel,
        probe::CheckClosing,
    };
    for (Group group : kGroups) group(app, checks);
  }
  checks.PrintSummary();
  return checks.Failed() == 0 ? 0 : 1;
}
