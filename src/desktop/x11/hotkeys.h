// Global hotkeys on X11: keys grabbed on the root window, their presses
// delivered with the identifier of their registration.
#pragma once

// Before any X header: X.h defines None as a macro, which the control
// table's event names would otherwise collide with.
#include "desktop/services.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "desktop/x11/modifier_masks.h"

namespace ondrave::x11 {

class Hotkeys {
 public:
  // `deliver` receives every press of a registered key with its HotkeyId.
  using Deliver = std::function<void(HotkeyId id)>;
  Hotkeys(Display* display, Deliver deliver);
  ~Hotkeys();
  Hotkeys(const Hotkeys&) = delete;
  Hotkeys& operator=(const Hotkeys&) = delete;

  // The n-th attempt gets 33000 + n; a refused one (the key is held by
  // another client or already by this program) returns 0 and grabs nothing.
  // The grabs end with the display connection.
  HotkeyId Register(std::int32_t modifierWord, std::int32_t virtualKey);

  // Offered every X event before the toolkit sees it. Returns true for the
  // key events of a registered key, which it consumes: a press is delivered,
  // its release dropped. Re-grabs after a keyboard mapping change.
  bool HandleEvent(const XEvent& event);

 private:
  struct Grab;
  bool TakenByThisProgram(const Grab& grab) const;
  bool GrabKeys(const Grab& grab);
  void UngrabKeys(const Grab& grab);
  void FollowMappingChange(const XMappingEvent& change);
  const Grab* GrabOfPress(const XKeyEvent& press) const;
  bool IsGrabbedKeycode(unsigned int keycode) const;

  Display* display_;
  Window root_;
  Deliver deliver_;
  std::int32_t attemptCount_ = 0;
  ModifierMasks masks_;
  std::vector<unsigned int> lockCombinations_;
  std::vector<Grab> grabs_;
};

}  // namespace ondrave::x11
