#include "program_fixture.h"

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <thread>

namespace ondrave::testing {

namespace {
// Windows of the program come and go (a hidden window is destroyed, a
// message box closes) between a look-up and the next request about them; such
// a request then simply finds nothing.
int IgnoreVanishedWindows(Display*, XErrorEvent*) { return 0; }
}  // namespace

void ProgramTest::SetUp() {
  XSetErrorHandler(IgnoreVanishedWindows);
  program_ = std::make_unique<ProgramProcess>(ONDRAVE_PROGRAM_PATH, server_.DisplayName());
  ASSERT_TRUE(WaitUntil([&] { return MainWindowViewable(); }, std::chrono::milliseconds(5000)))
      << "the main window did not appear; program output:\n" << program_->Output();
  // The window manager frames and places the window after it is mapped; a
  // click aimed before that would miss, so wait until the window rests.
  RootPoint last = ClientOrigin();
  ASSERT_TRUE(WaitUntil([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const RootPoint now = ClientOrigin();
    const bool resting = now.x == last.x && now.y == last.y && ExtentsOfMainWindow().top > 0;
    last = now;
    return resting;
  })) << "the main window was never framed by the window manager";
}

XWindowAttributes ProgramTest::AttributesOfMainWindow() {
  XWindowAttributes attributes{};
  XGetWindowAttributes(user_.get(), window_, &attributes);
  return attributes;
}

bool ProgramTest::MainWindowViewable() {
  // The toolkit makes a new X window each time it shows the main window
  // again, so look it up anew.
  window_ = FindWindowByTitle(user_.get(), kMainWindow.title);
  return window_ != None && AttributesOfMainWindow().map_state == IsViewable;
}

RootPoint ProgramTest::ClientOrigin() {
  int x = 0, y = 0;
  Window child = None;
  XTranslateCoordinates(user_.get(), window_, DefaultRootWindow(user_.get()), 0, 0, &x, &y, &child);
  return {x, y};
}

RootPoint ProgramTest::CentreOf(Control c) {
  const RootPoint origin = ClientOrigin();
  const Point p = ClientPosition(c);
  const ControlRow& s = RowOf(c);
  return {origin.x + p.x + s.width / 2, origin.y + p.y + s.height / 2};
}

void ProgramTest::MovePointer(RootPoint p) {
  XTestFakeMotionEvent(user_.get(), DefaultScreen(user_.get()), p.x, p.y, CurrentTime);
  XSync(user_.get(), False);
}

void ProgramTest::ClickAt(RootPoint p) {
  MovePointer(p);
  XTestFakeButtonEvent(user_.get(), 1, True, CurrentTime);
  XTestFakeButtonEvent(user_.get(), 1, False, CurrentTime);
  XSync(user_.get(), False);
  // Give the program a moment to take the click in before the next input.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void ProgramTest::TypeInto(Control editBox, const std::string& text) {
  ClickControl(editBox);
  // Whatever the box held goes first, as a user deletes it.
  Press(XK_End);
  for (int i = 0; i < 8; ++i) Press(XK_BackSpace);
  for (char ch : text) Press(ch == '-' ? XK_minus : static_cast<KeySym>(XK_0 + (ch - '0')));
}

void ProgramTest::ChooseItem(Control list, int index) {
  ClickControl(list);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  for (int i = 0; i <= index; ++i) Press(XK_Down);
  Press(XK_Return);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

Window ProgramTest::WaitForMessageBox() {
  Window box = None;
  WaitUntil([&] {
    box = FindWindowByTitle(user_.get(), "信息：");
    if (box == None) return false;
    XWindowAttributes attributes{};
    XGetWindowAttributes(user_.get(), box, &attributes);
    return attributes.map_state == IsViewable;
  }, std::chrono::milliseconds(3000));
  return box;
}

bool ProgramTest::WaitUntilNoMessageBox() {
  return WaitUntil([&] { return FindWindowByTitle(user_.get(), "信息：") == None; }, std::chrono::milliseconds(3000));
}

void ProgramTest::AnswerMessageBox(bool second) {
  const Window box = WaitForMessageBox();
  ASSERT_NE(box, None) << "no message box";
  // The box takes the keyboard focus when the window manager maps it.
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  if (second) Press(XK_Tab);
  Press(XK_Return);
  ASSERT_TRUE(WaitUntilNoMessageBox()) << "the message box stayed open";
}

FrameExtents ProgramTest::ExtentsOfMainWindow() {
  FrameExtents extents;
  const Atom property = XInternAtom(user_.get(), "_NET_FRAME_EXTENTS", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(user_.get(), window_, property, 0, 4, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) == Success &&
      data && count == 4 && format == 32) {
    const long* values = reinterpret_cast<const long*>(data);
    extents = {values[0], values[1], values[2], values[3]};
  }
  if (data) XFree(data);
  return extents;
}

void ProgramTest::ShowLowerPart() {
  ClickControl(Control::选择框2);
  ASSERT_TRUE(WaitUntil([&] {
    const FrameExtents e = ExtentsOfMainWindow();
    return AttributesOfMainWindow().height + e.top + e.bottom == kMainWindow.tallHeight;
  })) << "the window did not grow";
}

}  // namespace ondrave::testing
