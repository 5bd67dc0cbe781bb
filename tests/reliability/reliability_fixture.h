// The end-to-end fixture with what the reliability tests add to it: the
// message boxes one by one, answered in any order; pasting; the program's
// process and its X server as things a test can look at and break.
#pragma once

// googletest and the program's headers first: X headers define None and Bool.
#include "program_fixture.h"

#include <X11/Xlib.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clipboard_owner.h"

namespace ondrave::testing {

class ReliabilityTest : public ProgramTest {
 protected:
  // Every message box of the program on the screen now, in the order they
  // were opened (window ids grow with each window a client makes).
  std::vector<Window> MessageBoxes();
  // Waits until `count` boxes are on the screen; returns them in order.
  std::vector<Window> WaitForMessageBoxes(std::size_t count);

  // Activates a window through the window manager, as a click on it does,
  // and waits until it has the input focus.
  void Activate(Window window);
  // Activates the box and answers it from the keyboard: Return presses the
  // first button (OK, Yes); with `second`, Tab moves to No first. Waits
  // until the box is gone.
  void AnswerBox(Window box, bool second = false);

  // Moves the main window so that its client area begins at (x, y).
  void MoveMainWindowTo(int x, int y);

  // Replaces the text of an edit box with `bytes`, pasted from the
  // clipboard with Ctrl+V as a user does: a click into the box, Home,
  // Shift+End to select what it holds, Ctrl+V.
  void PasteInto(Control editBox, const std::string& bytes);
  // Ctrl+V into whatever has the focus now.
  void PasteIntoFocus(const std::string& bytes);

  // Moves the pointer to `p` while continuous clicking runs. Each of its
  // clicks moves the pointer to where it read it an instant before, so a
  // move of the test's that falls between the reading and the click is
  // undone; moves again until the pointer stays.
  void MovePointerWhileClicking(RootPoint p);

  // Moves the pointer to `p` (as MovePointerWhileClicking) and presses F1 twice, capture on and off. The
  // capture's ticks read the pointer where it is when they run, so after
  // each press the test waits until 标签12 shows the program has taken it
  // in (the lower part must be shown): a program slowed down by the
  // sanitizers may be far behind its input.
  void CaptureAt(RootPoint p);

  // Clicks 按钮7 and answers the lock notice Yes when it comes.
  void StartLock();

  // Opens the list with the mouse and moves from the item selected now
  // (-1: none) to `index` with the arrow keys, as a user does.
  void ChooseItemFrom(Control list, int index, int selectedNow);
  // Chooses the start/stop key (its index in 组合框2, moving from the item
  // selected now), presses it twice with the pointer at `at` and expects
  // clicks there, then presses it once more and expects them to stop.
  void ExpectContinuousClicking(ProbeWindow& probe, int keyIndex, KeySym key, RootPoint at, int selectedNow = -1);
  // Types the point into the X and Y boxes (the lower part must be shown),
  // starts the lock and expects its clicks at `expected`; Up stops it.
  void ExpectLockClicksAt(ProbeWindow& probe, const std::string& x, const std::string& y, RootPoint expected);
  // Expects that no click reaches the probe within `wait`.
  void ExpectNoClicks(ProbeWindow& probe, std::chrono::milliseconds wait = std::chrono::milliseconds(400));

  // Where the pointer is, which window lies under it, and whether another
  // client holds the pointer grabbed: for the messages of failed checks on
  // clicks that did not arrive.
  std::string DescribePointer();

  bool ProgramRuns() { return !program_->WaitForExit(std::chrono::milliseconds(0)).has_value(); }

 private:
  std::unique_ptr<ClipboardOwner> clipboard_;
};

// While it lives, one variable of this process's environment is set; the
// program started meanwhile inherits it.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::string& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

// Drops every click that reached the probe so far, also those the server
// has sent but the probe has not read yet.
void DiscardClicks(ProbeWindow& probe);

// What the program's exit status says, for failure messages.
std::string DescribeStatus(int status);

}  // namespace ondrave::testing
