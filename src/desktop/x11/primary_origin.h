// Where the primary monitor's top-left corner lies on the root window: the
// point that is (0, 0) in the program's screen coordinates.
#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <vector>

namespace ondrave::x11 {

struct RootPoint {
  int x = 0;
  int y = 0;
  bool operator==(const RootPoint&) const = default;
};

// One active monitor, in the order RandR lists them.
struct MonitorPlacement {
  RootPoint topLeft;
  bool primary;
};

// The primary monitor's top-left; without a primary, the first monitor's
// (the one X itself lists first); without any monitor, the root's origin.
RootPoint ChooseOrigin(const std::vector<MonitorPlacement>& monitors);

// Reads the active monitors through RandR 1.5, which lists one monitor per
// active output (the primary output's marked primary) and any monitor the
// user has defined, and chooses the origin; nothing when the server has no
// RandR 1.5 or cannot give the list.
std::optional<RootPoint> ReadPrimaryOrigin(Display* display, Window root);

}  // namespace ondrave::x11
