#include "reliability_fixture.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>

namespace ondrave::testing {
namespace {

using namespace std::chrono_literals;

constexpr std::string_view kBoxTitle = "信息：";

std::optional<std::string> Utf8Property(Display* display, Window window, Atom property, Atom type) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::optional<std::string> text;
  if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &count, &after,
                         &data) == Success &&
      actualType == type && format == 8 && data != nullptr)
    text.emplace(reinterpret_cast<const char*>(data), count);
  if (data != nullptr) XFree(data);
  return text;
}

// Depth first from `window`: every viewable window titled `title`.
void CollectTitled(Display* display, Window window, std::string_view title, std::vector<Window>& found) {
  const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  if (Utf8Property(display, window, netWmName, utf8) == title) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable)
      found.push_back(window);
    return;
  }
  Window root = None, parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
  for (unsigned int i = 0; i < count; ++i) CollectTitled(display, children[i], title, found);
  if (children != nullptr) XFree(children);
}

void SendToRoot(Display* display, Window about, const char* messageName, std::initializer_list<long> data) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = about;
  event.xclient.message_type = XInternAtom(display, messageName, False);
  event.xclient.format = 32;
  int i = 0;
  for (long value : data) event.xclient.data.l[i++] = value;
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XSync(display, False);
}

}  // namespace

std::vector<Window> ReliabilityTest::MessageBoxes() {
  std::vector<Window> boxes;
  CollectTitled(user_.get(), DefaultRootWindow(user_.get()), kBoxTitle, boxes);
  std::sort(boxes.begin(), boxes.end());
  return boxes;
}

std::vector<Window> ReliabilityTest::WaitForMessageBoxes(std::size_t count) {
  std::vector<Window> boxes;
  WaitUntil([&] {
    boxes = MessageBoxes();
    return boxes.size() == count;
  }, 3000ms);
  return boxes;
}

void ReliabilityTest::Activate(Window window) {
  // Source 2: asked for by the user through a pager, which the window
  // manager does not refuse as it may refuse an application.
  SendToRoot(user_.get(), window, "_NET_ACTIVE_WINDOW", {2, CurrentTime, 0});
  WaitUntil([&] {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(user_.get(), &focus, &revert);
    return focus == window;
  });
  // The toolkit takes the focus in from the FocusIn event.
  std::this_thread::sleep_for(100ms);
}

void ReliabilityTest::AnswerBox(Window box, bool second) {
  Activate(box);
  if (second) Press(XK_Tab);
  Press(XK_Return);
  const bool gone = WaitUntil([&] {
    const std::vector<Window> boxes = MessageBoxes();
    return std::find(boxes.begin(), boxes.end(), box) == boxes.end();
  }, 3000ms);
  ASSERT_TRUE(gone) << "the message box " << box << " stayed open";
}

void ReliabilityTest::MoveMainWindowTo(int x, int y) {
  // A configure request, as the program itself would make it.
  XMoveWindow(user_.get(), window_, x, y);
  XSync(user_.get(), False);
  RootPoint origin{};
  ASSERT_TRUE(WaitUntil([&] {
    origin = ClientOrigin();
    return origin.x == x && origin.y == y;
  })) << "the window manager did not move the window: its client lies at " << origin.x << ", " << origin.y;
}

void ReliabilityTest::PasteIntoFocus(const std::string& bytes) {
  if (!clipboard_) clipboard_ = std::make_unique<ClipboardOwner>(server_.DisplayName());
  clipboard_->Offer(bytes);
  PressKey(user_.get(), XK_v, {XK_Control_L});
  clipboard_->ServeUntilPasted();
}

void ReliabilityTest::PasteInto(Control editBox, const std::string& bytes) {
  ClickControl(editBox);
  Press(XK_Home);
  PressKey(user_.get(), XK_End, {XK_Shift_L});
  PasteIntoFocus(bytes);
}

std::string ReliabilityTest::DescribePointer() {
  Display* display = user_.get();
  const Window root = DefaultRootWindow(display);
  Window rootReturn = None, child = None;
  int x = 0, y = 0, windowX = 0, windowY = 0;
  unsigned int buttons = 0;
  XQueryPointer(display, root, &rootReturn, &child, &x, &y, &windowX, &windowY, &buttons);
  const int grab = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None,
                                CurrentTime);
  if (grab == GrabSuccess) XUngrabPointer(display, CurrentTime);
  XSync(display, False);
  char text[160];
  std::snprintf(text, sizeof text, "pointer at %d, %d over window 0x%lx, buttons 0x%x, %s", x, y, child, buttons,
                grab == AlreadyGrabbed ? "grabbed by another client" : "not grabbed");
  return text;
}

void ReliabilityTest::MovePointerWhileClicking(RootPoint p) {
  auto pointerAt = [&] {
    Window root = None, child = None;
    int x = 0, y = 0, windowX = 0, windowY = 0;
    unsigned int buttons = 0;
    XQueryPointer(user_.get(), DefaultRootWindow(user_.get()), &root, &child, &x, &y, &windowX, &windowY, &buttons);
    return x == p.x && y == p.y;
  };
  ASSERT_TRUE(WaitUntil([&] {
    MovePointer(p);
    // Several ticks later, still there.
    for (int check = 0; check < 5; ++check) {
      std::this_thread::sleep_for(30ms);
      if (!pointerAt()) return false;
    }
    return true;
  }, 5000ms)) << "the pointer does not stay at " << p.x << ", " << p.y;
}

void ReliabilityTest::CaptureAt(RootPoint p) {
  // The capture status label, as it shows now.
  auto statusPixels = [&] {
    const RootPoint origin = ClientOrigin();
    const Point at = ClientPosition(Control::标签12);
    const ControlRow& entry = RowOf(Control::标签12);
    Screenshot shot(user_.get(), {origin.x + at.x, origin.y + at.y, entry.width, entry.height});
    std::vector<PixelColor> pixels;
    for (int y = 0; y < entry.height; ++y)
      for (int x = 0; x < entry.width; ++x) pixels.push_back(shot.At(origin.x + at.x + x, origin.y + at.y + y));
    return pixels;
  };
  MovePointerWhileClicking(p);
  for (const char* state : {"on", "off"}) {
    const std::vector<PixelColor> before = statusPixels();
    Press(XK_F1);
    ASSERT_TRUE(WaitUntil([&] { return statusPixels() != before; }, 5000ms))
        << "标签12 did not show capture " << state;
    // Capture on: its ticks, 10 ms apart, copy the point meanwhile.
    std::this_thread::sleep_for(300ms);
  }
}

void ReliabilityTest::StartLock() {
  const std::size_t before = MessageBoxes().size();
  ClickControl(Control::按钮7);
  // The notice comes only until it has been answered Yes once.
  std::vector<Window> boxes;
  if (WaitUntil([&] { return (boxes = MessageBoxes()).size() > before; }, 500ms)) AnswerBox(boxes.back());
}

void ReliabilityTest::ChooseItemFrom(Control list, int index, int selectedNow) {
  ClickControl(list);
  std::this_thread::sleep_for(200ms);
  for (int i = selectedNow; i < index; ++i) Press(XK_Down);
  for (int i = index; i < selectedNow; ++i) Press(XK_Up);
  Press(XK_Return);
  std::this_thread::sleep_for(100ms);
}

void ReliabilityTest::ExpectContinuousClicking(ProbeWindow& probe, int keyIndex, KeySym key, RootPoint at,
                                               int selectedNow) {
  ChooseItemFrom(Control::组合框2, keyIndex, selectedNow);
  MovePointer(at);
  DiscardClicks(probe);
  Press(key);  // arms
  Press(key);  // starts
  ASSERT_TRUE(probe.WaitForRecords(20)) << "continuous clicking did not start";
  Press(key);  // stops
  std::this_thread::sleep_for(100ms);
  probe.Collect();
  for (const ButtonRecord& r : probe.Records()) {
    EXPECT_EQ(r.x, at.x);
    EXPECT_EQ(r.y, at.y);
  }
  DiscardClicks(probe);
  ExpectNoClicks(probe);
}

void ReliabilityTest::ExpectLockClicksAt(ProbeWindow& probe, const std::string& x, const std::string& y,
                                         RootPoint expected) {
  TypeInto(Control::编辑框4, x);
  TypeInto(Control::编辑框5, y);
  DiscardClicks(probe);
  StartLock();
  ASSERT_TRUE(probe.WaitForRecords(10)) << "the lock did not click at " << x << ", " << y;
  Press(XK_Up);
  std::this_thread::sleep_for(100ms);
  probe.Collect();
  for (const ButtonRecord& r : probe.Records()) {
    EXPECT_EQ(r.x, expected.x) << "X box " << x;
    EXPECT_EQ(r.y, expected.y) << "Y box " << y;
  }
  DiscardClicks(probe);
  ExpectNoClicks(probe);
}

void ReliabilityTest::ExpectNoClicks(ProbeWindow& probe, std::chrono::milliseconds wait) {
  std::this_thread::sleep_for(wait);
  probe.Collect();
  EXPECT_EQ(probe.Records().size(), 0u) << "clicks arrived that nothing should have made";
  probe.Clear();
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name)) {
  if (const char* before = std::getenv(name_.c_str())) previous_ = before;
  setenv(name_.c_str(), value.c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment() {
  if (previous_)
    setenv(name_.c_str(), previous_->c_str(), 1);
  else
    unsetenv(name_.c_str());
}

void DiscardClicks(ProbeWindow& probe) {
  probe.Collect();
  probe.Clear();
}

std::string DescribeStatus(int status) {
  if (WIFEXITED(status)) return "exit code " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status))
    return std::string("signal ") + strsignal(WTERMSIG(status)) + (WCOREDUMP(status) ? " (core dumped)" : "");
  return "status " + std::to_string(status);
}

}  // namespace ondrave::testing
