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

// One CRTC of the monitor layout, in RandR's order.
struct CrtcPlacement {
  RootPoint topLeft;
  bool active;   // it shows a mode
  bool primary;  // it drives the primary output
};

// The primary output's CRTC when it is active; without one, the first
// active CRTC (the monitor X itself lists first, as Xinerama does); with no
// active CRTC at all, the root's own origin.
RootPoint ChooseOrigin(const std::vector<CrtcPlacement>& crtcs);

// Reads the monitor layout through RandR 1.3 and chooses the origin;
// nothing when the server cannot give the layout (for instance while a
// monitor goes away during the read).
std::optional<RootPoint> ReadPrimaryOrigin(Display* display, Window root);

}  // namespace ondrave::x11
