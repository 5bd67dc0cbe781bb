#include "desktop/x11/input.h"

#include <X11/extensions/Xrandr.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdint>

#include "desktop/x11/click_table.h"

namespace ondrave::x11 {
namespace {

constexpr unsigned int kLeftButton = 1;
constexpr unsigned int kRightButton = 3;

// Pointer coordinates travel as 16-bit numbers; a coordinate beyond them
// would wrap round to a spot on the other side of the screen instead of
// being held at the edge.
int ToProtocolCoordinate(std::int64_t coordinate) {
  return static_cast<int>(std::clamp<std::int64_t>(coordinate, INT16_MIN, INT16_MAX));
}

unsigned int XButton(MouseButton button) {
  return button == MouseButton::Left ? kLeftButton : kRightButton;
}

}  // namespace

std::optional<std::string> Input::Unavailable(Display* display) {
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) return std::nullopt;
  return std::string(
      "此显示器不支持 XTest 扩展，无法模拟鼠标点击。\n"
      "The display has no XTest extension, so mouse clicks cannot be synthesised.");
}

Input::Input(Display* display)
    : display_(display), root_(DefaultRootWindow(display)), screen_(DefaultScreen(display)) {
  int eventBase = 0, errorBase = 0;
  if (XRRQueryExtension(display_, &eventBase, &errorBase)) {
    randrEventBase_ = eventBase;
    // Sent also when a monitor moves or another output becomes the primary.
    XRRSelectInput(display_, root_, RRScreenChangeNotifyMask);
    RefreshOrigin();
  }
  lastPointer_ = origin_;
}

void Input::ReadPointer() {
  Window rootReturn = None, child = None;
  int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
  unsigned int buttons = 0;
  if (XQueryPointer(display_, root_, &rootReturn, &child, &rootX, &rootY, &windowX, &windowY, &buttons)) {
    lastPointer_ = {rootX, rootY};
  }
}

std::int32_t Input::PointerX() {
  ReadPointer();
  return lastPointer_.x - origin_.x;
}

std::int32_t Input::PointerY() {
  ReadPointer();
  return lastPointer_.y - origin_.y;
}

void Input::SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind) {
  XTestFakeMotionEvent(display_, screen_, ToProtocolCoordinate(std::int64_t{origin_.x} + x),
                       ToProtocolCoordinate(std::int64_t{origin_.y} + y), CurrentTime);
  for (const ButtonEvent& event : ClickSequence(kind)) {
    XTestFakeButtonEvent(display_, XButton(event.button), event.press ? True : False, CurrentTime);
  }
  XFlush(display_);
}

bool Input::HandleEvent(const XEvent& event) {
  if (randrEventBase_ < 0 || event.type != randrEventBase_ + RRScreenChangeNotify) return false;
  XEvent update = event;
  XRRUpdateConfiguration(&update);
  RefreshOrigin();
  return false;
}

void Input::RefreshOrigin() {
  // A list the server cannot give keeps the origin last read.
  if (const std::optional<RootPoint> origin = ReadPrimaryOrigin(display_, root_)) origin_ = *origin;
}

}  // namespace ondrave::x11
