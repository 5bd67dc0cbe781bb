// The check boxes 选择框1 (always on top) and 选择框2 (the taller window).
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;

bool OnTop(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int OuterHeight(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r.bottom - r.top;
}

// A click as the user makes it: posted, handled by the program's own loop.
void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

}  // namespace

void CheckWindowOptions(AppUnderTest& app, Checks& checks) {
  const HWND main = app.Main();
  const HWND onTopBox = app.Control(Control::选择框1);
  Click(onTopBox);
  checks.Expect(WaitUntil([&] { return OnTop(main); }, 2000) && Send(onTopBox, BM_GETCHECK) == BST_CHECKED,
                "checking 选择框1 keeps the window on top");
  Click(onTopBox);
  checks.Expect(WaitUntil([&] { return !OnTop(main); }, 2000) && Send(onTopBox, BM_GETCHECK) == BST_UNCHECKED,
                "clearing 选择框1 lets it go");

  const HWND tallBox = app.Control(Control::选择框2);
  RECT before{};
  GetWindowRect(main, &before);
  Click(tallBox);
  checks.Expect(WaitUntil([&] { return OuterHeight(main) == ondrave::kMainWindow.tallHeight; }, 2000),
                "checking 选择框2 makes the window 347 high", Format("%d high", OuterHeight(main)));
  RECT after{};
  GetWindowRect(main, &after);
  checks.Expect(after.left == before.left && after.top == before.top && after.right == before.right,
                "the taller window keeps its place and width");
  Click(tallBox);
  checks.Expect(WaitUntil([&] { return OuterHeight(main) == ondrave::kMainWindow.outerHeight; }, 2000),
                "clearing 选择框2 makes it 183 high again", Format("%d high", OuterHeight(main)));
}

}  // namespace probe
