// The real program on the bench's X server, driven as a user drives it:
// pointer clicks on its controls and key presses through XTest, its message
// box answered from the keyboard. Every step that does not happen in time
// throws std::runtime_error with what went wrong.
#pragma once

// The control table first: X headers define None as a macro.
#include "app/window_table.h"

#include <X11/Xlib.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "program_process.h"
#include "x11_test_support.h"

namespace ondrave::bench {

struct RootPoint {
  int x, y;
};

class ProgramDriver {
 public:
  // Starts the program and waits until its main window is viewable (the
  // start-up time) and then until the window manager has framed and placed it.
  ProgramDriver(const testing::XvfbServer& server, const std::string& programPath);

  pid_t Pid() const { return process_->Pid(); }
  // From just before the program was started to its main window viewable.
  std::chrono::microseconds StartUpTime() const { return startUpTime_; }

  void MovePointer(RootPoint p);
  void ClickControl(Control c);
  void Press(KeySym key);
  // Opens the drop-down list with the mouse and chooses the item by keyboard.
  void ChooseItem(Control list, int index);
  // Presses Return in the message box "信息：": its first button (OK, or Yes).
  void AnswerMessageBox();
  // Checks 选择框2 and waits until the window has grown.
  void ShowLowerPart();

 private:
  bool MainWindowViewable();
  RootPoint ClientOrigin();
  int OuterHeight();
  void WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout, const std::string& what);

  testing::DisplayConnection user_;
  std::unique_ptr<testing::ProgramProcess> process_;
  Window window_ = None;
  std::chrono::microseconds startUpTime_{};
};

}  // namespace ondrave::bench
