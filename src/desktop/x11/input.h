// The pointer and synthesised clicks on X11, through XTest. Coordinates are
// relative to the top-left corner of the primary monitor.
#pragma once

// Before any X header: X.h defines None as a macro, which the control
// table's event names would otherwise collide with.
#include "desktop/services.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <string>

#include "desktop/x11/primary_origin.h"

namespace ondrave::x11 {

class Input {
 public:
  // Why this display cannot synthesise clicks (no XTest), or nothing.
  static std::optional<std::string> Unavailable(Display* display);

  explicit Input(Display* display);

  // The pointer's position. When the server cannot report it (the pointer
  // is on another screen of the display) the last position read is given.
  std::int32_t PointerX();
  std::int32_t PointerY();

  // Moves the pointer to (x, y) and presses and releases the buttons of
  // the kind back to back. The server keeps the pointer on the screen.
  void SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind);

  // Offered every X event: follows changes of the monitor layout that RandR
  // announces (outputs, CRTCs, the primary output; the server announces no
  // change of monitors a user defines, which are read at construction).
  // Consumes nothing, since the toolkit follows the layout too.
  bool HandleEvent(const XEvent& event);

 private:
  void ReadPointer();
  void RefreshOrigin();

  Display* display_;
  Window root_;
  int screen_;
  int randrEventBase_ = -1;  // -1 without RandR: the root's origin counts as the primary's
  RootPoint origin_;         // the primary monitor's top-left on the root window
  RootPoint lastPointer_;    // on the root window
};

}  // namespace ondrave::x11
