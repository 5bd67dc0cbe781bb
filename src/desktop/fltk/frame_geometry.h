// Rectangles of top-level windows: the outer rectangle, frame included, that
// the program is asked for, and the client rectangle the toolkit sets.
#pragma once

#include <algorithm>

namespace ondrave::fltk {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// What the window manager adds around a client window (_NET_FRAME_EXTENTS);
// all zero when no window manager frames it.
struct FrameExtents {
  int left = 0, right = 0, top = 0, bottom = 0;
  friend constexpr bool operator==(const FrameExtents&, const FrameExtents&) = default;
};

// The client rectangle inside an outer rectangle. A window is at least one
// pixel each way: X refuses an empty one, however small the outer size asked.
constexpr Rect ClientRectFor(Rect outer, FrameExtents frame) {
  return {outer.x + frame.left, outer.y + frame.top, std::max(1, outer.w - frame.left - frame.right),
          std::max(1, outer.h - frame.top - frame.bottom)};
}

// The outer rectangle around a client rectangle.
constexpr Rect OuterRectOf(Rect client, FrameExtents frame) {
  return {client.x - frame.left, client.y - frame.top, client.w + frame.left + frame.right,
          client.h + frame.top + frame.bottom};
}

// A w x h rectangle centred on a monitor: its left edge at (width - w) / 2,
// its top at (height - h) / 2, both divisions cut towards zero.
constexpr Rect CentredOn(Rect monitor, int w, int h) {
  return {monitor.x + (monitor.w - w) / 2, monitor.y + (monitor.h - h) / 2, w, h};
}

}  // namespace ondrave::fltk
