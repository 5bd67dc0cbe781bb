// Global hotkeys on X11: keys grabbed on the root window, their presses
// delivered with the identifier of their registration.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "desktop/services.h"

namespace ondrave::x11 {

class Hotkeys {
 public:
  // `deliver` receives every press of a registered key with its HotkeyId.
  using Deliver = std::function<void(HotkeyId id)>;
  Hotkeys(Display* display, Deliver deliver);
  Hotkeys(const Hotkeys&) = delete;
  Hotkeys& operator=(const Hotkeys&) = delete;

  // The n-th attempt gets 33000 + n; a refused one (the key is held by
  // another client or already by this program) returns 0 and grabs nothing.
  HotkeyId Register(std::int32_t modifierWord, std::int32_t virtualKey);

  // Offered every X event before the toolkit sees it. Returns true for a
  // hotkey press it consumed; re-grabs after a keyboard mapping change.
  bool HandleEvent(const XEvent& event);

 private:
  struct Grab;
  Display* display_;
  Deliver deliver_;
  std::int32_t attemptCount_ = 0;
  std::vector<Grab> grabs_;
};

}  // namespace ondrave::x11
