#include "desktop/x11/keyboard_mapping.h"

#include <X11/Xutil.h>

namespace ondrave::x11 {
namespace {

KeySym LowerCase(KeySym keysym) {
  KeySym lower = NoSymbol, upper = NoSymbol;
  XConvertCase(keysym, &lower, &upper);
  return lower;
}

}  // namespace

KeyboardMapping::KeyboardMapping(Display* display) {
  int minKeycode = 0, maxKeycode = 0;
  XDisplayKeycodes(display, &minKeycode, &maxKeycode);
  keysyms_ = XGetKeyboardMapping(display, static_cast<KeyCode>(minKeycode), maxKeycode - minKeycode + 1,
                                 &keysymsPerKeycode_);
  if (keysyms_ == nullptr) return;
  minKeycode_ = minKeycode;
  maxKeycode_ = maxKeycode;
}

KeyboardMapping::~KeyboardMapping() {
  if (keysyms_ != nullptr) XFree(keysyms_);
}

bool KeyboardMapping::Yields(KeyCode keycode, KeySym keysym) const {
  if (keycode < minKeycode_ || keycode > maxKeycode_ || keysym == NoSymbol) return false;
  const KeySym wanted = LowerCase(keysym);
  const KeySym* row = keysyms_ + (keycode - minKeycode_) * keysymsPerKeycode_;
  for (int level = 0; level < keysymsPerKeycode_; ++level) {
    if (row[level] != NoSymbol && LowerCase(row[level]) == wanted) return true;
  }
  return false;
}

std::vector<KeyCode> KeyboardMapping::KeycodesOf(KeySym keysym) const {
  std::vector<KeyCode> keycodes;
  for (int keycode = minKeycode_; keycode <= maxKeycode_; ++keycode) {
    if (Yields(static_cast<KeyCode>(keycode), keysym)) keycodes.push_back(static_cast<KeyCode>(keycode));
  }
  return keycodes;
}

}  // namespace ondrave::x11
