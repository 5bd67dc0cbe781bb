// The real program on its own Xvfb with a window manager, driven as a user
// drives it: pointer clicks and key presses through XTest, message boxes
// found by their title and answered from the keyboard.
#pragma once

// googletest and the program's headers first: X headers define None and Bool.
#include <gtest/gtest.h>

#include "app/window_table.h"

#include <X11/Xlib.h>

#include <memory>
#include <string>

#include "program_process.h"
#include "x11_test_support.h"

namespace ondrave::testing {

struct RootPoint {
  int x, y;
};

struct FrameExtents {
  long left = 0, right = 0, top = 0, bottom = 0;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Where a control's centre lies on the root window now.
  RootPoint CentreOf(Control c);
  RootPoint ClientOrigin();

  // A left click at a root point, as the user makes it with the mouse.
  void ClickAt(RootPoint p);
  void ClickControl(Control c) { ClickAt(CentreOf(c)); }
  void MovePointer(RootPoint p);

  void Press(KeySym key) { PressKey(user_.get(), key); }
  // Clicks into an edit box, empties it and types the text (digits and "-").
  void TypeInto(Control editBox, const std::string& text);
  // Opens the drop-down list with the mouse and chooses the item by keyboard.
  void ChooseItem(Control list, int index);

  // The message box with the caption "信息：" once it is shown; None after the wait.
  Window WaitForMessageBox();
  bool WaitUntilNoMessageBox();
  // Answers the open box from the keyboard: Return presses the focused first
  // button (OK, or Yes); Tab moves to the second button (No) first.
  void AnswerMessageBox(bool second = false);

  bool MainWindowViewable();
  FrameExtents ExtentsOfMainWindow();
  XWindowAttributes AttributesOfMainWindow();
  // Shows the lower part of the window by checking 选择框2, as a user does.
  void ShowLowerPart();

  XvfbServer server_{XvfbOptions{.windowManager = true}};
  DisplayConnection user_ = server_.Connect();
  std::unique_ptr<ProgramProcess> program_;
  Window window_ = None;
};

}  // namespace ondrave::testing
