// The pointer and synthesised clicks on X11, through XTest. Coordinates are
// relative to the top-left corner of the primary monitor.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <string>

#include "desktop/services.h"

namespace ondrave::x11 {

class Input {
 public:
  // Why this display cannot synthesise clicks (no XTest), or nothing.
  static std::optional<std::string> Unavailable(Display* display);

  explicit Input(Display* display);

  std::int32_t PointerX();
  std::int32_t PointerY();
  void SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind);

  // Offered every X event: follows changes of the monitor layout.
  bool HandleEvent(const XEvent& event);

 private:
  Display* display_;
  int originX_ = 0, originY_ = 0;  // the primary monitor's top-left on the root window
};

}  // namespace ondrave::x11
