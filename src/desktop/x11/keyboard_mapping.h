// A snapshot of the keyboard mapping: which keysyms each keycode yields.
#pragma once

#include <X11/Xlib.h>

#include <vector>

namespace ondrave::x11 {

class KeyboardMapping {
 public:
  // Reads the mapping of every keycode; when the server cannot give it the
  // snapshot is empty and no keycode yields anything.
  explicit KeyboardMapping(Display* display);
  ~KeyboardMapping();
  KeyboardMapping(const KeyboardMapping&) = delete;
  KeyboardMapping& operator=(const KeyboardMapping&) = delete;

  // Whether the keycode yields the keysym at any level or group. Letters
  // match in either case, as a key listing only "A" still types "a".
  bool Yields(KeyCode keycode, KeySym keysym) const;

  // Every keycode that yields the keysym, in ascending order.
  std::vector<KeyCode> KeycodesOf(KeySym keysym) const;

 private:
  int minKeycode_ = 0;
  int maxKeycode_ = -1;
  int keysymsPerKeycode_ = 0;
  KeySym* keysyms_ = nullptr;
};

}  // namespace ondrave::x11
