#include "program_driver.h"

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <stdexcept>
#include <thread>

namespace ondrave::bench {
namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds kStartUpTimeout{5000};
constexpr std::chrono::milliseconds kStepTimeout{3000};
constexpr const char* kMessageBoxTitle = "信息：";

// The program's windows come and go (a message box closes, a hidden window
// is destroyed) between a look-up and the next request about them; such a
// request then simply finds nothing.
int IgnoreVanishedWindows(Display*, XErrorEvent*) { return 0; }

// Polls once a millisecond, so that the start-up time is not rounded up
// to a coarser step.
bool PollEveryMillisecond(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  auto next = std::chrono::steady_clock::now();
  while (!condition()) {
    if (next >= deadline) return false;
    next += 1ms;
    std::this_thread::sleep_until(next);
  }
  return true;
}

bool Viewable(Display* display, Window window) {
  XWindowAttributes attributes{};
  return window != None && XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

}  // namespace

ProgramDriver::ProgramDriver(const testing::XvfbServer& server, const std::string& programPath)
    : user_(server.Connect()) {
  XSetErrorHandler(IgnoreVanishedWindows);
  const auto startedAt = std::chrono::steady_clock::now();
  process_ = std::make_unique<testing::ProgramProcess>(programPath, server.DisplayName());
  if (!PollEveryMillisecond([&] { return MainWindowViewable(); }, kStartUpTimeout)) {
    throw std::runtime_error("the main window did not appear; program output:\n" + process_->Output());
  }
  startUpTime_ = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - startedAt);
  // The window manager frames and places the window after it is mapped; a
  // click aimed before that would miss, so wait until the window rests.
  RootPoint last = ClientOrigin();
  WaitFor(
      [&] {
        std::this_thread::sleep_for(50ms);
        const RootPoint now = ClientOrigin();
        const bool resting = now.x == last.x && now.y == last.y;
        last = now;
        return resting;
      },
      kStepTimeout, "the main window to come to rest");
}

void ProgramDriver::WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
                            const std::string& what) {
  if (!testing::WaitUntil(condition, timeout)) throw std::runtime_error("waited in vain for " + what);
}

bool ProgramDriver::MainWindowViewable() {
  // The toolkit makes a new X window each time it shows the main window, so
  // look it up anew.
  window_ = testing::FindWindowByTitle(user_.get(), kMainWindow.title);
  return Viewable(user_.get(), window_);
}

RootPoint ProgramDriver::ClientOrigin() {
  int x = 0, y = 0;
  Window child = None;
  XTranslateCoordinates(user_.get(), window_, DefaultRootWindow(user_.get()), 0, 0, &x, &y, &child);
  return {x, y};
}

void ProgramDriver::MovePointer(RootPoint p) {
  XTestFakeMotionEvent(user_.get(), DefaultScreen(user_.get()), p.x, p.y, CurrentTime);
  XSync(user_.get(), False);
}

void ProgramDriver::ClickControl(Control c) {
  const RootPoint origin = ClientOrigin();
  const Point position = ClientPosition(c);
  const ControlRow& entry = RowOf(c);
  MovePointer({origin.x + position.x + entry.width / 2, origin.y + position.y + entry.height / 2});
  XTestFakeButtonEvent(user_.get(), 1, True, CurrentTime);
  XTestFakeButtonEvent(user_.get(), 1, False, CurrentTime);
  XSync(user_.get(), False);
  // Give the program a moment to take the click in before the next input.
  std::this_thread::sleep_for(100ms);
}

void ProgramDriver::Press(KeySym key) { testing::PressKey(user_.get(), key); }

void ProgramDriver::ChooseItem(Control list, int index) {
  ClickControl(list);
  std::this_thread::sleep_for(200ms);
  for (int i = 0; i <= index; ++i) Press(XK_Down);
  Press(XK_Return);
  std::this_thread::sleep_for(100ms);
}

void ProgramDriver::AnswerMessageBox() {
  WaitFor([&] { return Viewable(user_.get(), testing::FindWindowByTitle(user_.get(), kMessageBoxTitle)); },
          kStepTimeout, "the message box");
  // The box takes the keyboard focus when the window manager maps it.
  std::this_thread::sleep_for(150ms);
  Press(XK_Return);
  WaitFor([&] { return testing::FindWindowByTitle(user_.get(), kMessageBoxTitle) == None; }, kStepTimeout,
          "the message box to close");
}

int ProgramDriver::OuterHeight() {
  long top = 0, bottom = 0;
  const Atom property = XInternAtom(user_.get(), "_NET_FRAME_EXTENTS", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(user_.get(), window_, property, 0, 4, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) == Success &&
      data != nullptr && count == 4 && format == 32) {
    const long* extents = reinterpret_cast<const long*>(data);
    top = extents[2];
    bottom = extents[3];
  }
  if (data != nullptr) XFree(data);
  XWindowAttributes attributes{};
  XGetWindowAttributes(user_.get(), window_, &attributes);
  return attributes.height + static_cast<int>(top + bottom);
}

void ProgramDriver::ShowLowerPart() {
  ClickControl(Control::选择框2);
  WaitFor([&] { return OuterHeight() == kMainWindow.tallHeight; }, kStepTimeout, "the window to grow");
}

}  // namespace ondrave::bench
