#include "key_holder.h"

#include <X11/keysym.h>

#include <stdexcept>

namespace ondrave::testing {

KeyHolder::KeyHolder(const std::string& displayName, const std::vector<KeySym>& keys) {
  Display* display = XOpenDisplay(displayName.c_str());
  if (display == nullptr) throw std::runtime_error("the key holder cannot connect to " + displayName);
  connection_.reset(display);
  for (KeySym key : keys) {
    if (!TryGrabKey(display, KeycodeOf(display, key), 0))
      throw std::runtime_error(std::string("the key holder could not grab ") + XKeysymToString(key));
  }
}

int KeyHolder::PressesOf(KeySym key) {
  Display* display = connection_.get();
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == KeyPress) ++presses_[static_cast<KeyCode>(event.xkey.keycode)];
  }
  return presses_[KeycodeOf(display, key)];
}

std::vector<KeySym> StartStopKeys() {
  std::vector<KeySym> keys;
  for (KeySym letter = XK_A; letter <= XK_Z; ++letter) keys.push_back(letter);
  for (KeySym function = XK_F1; function <= XK_F12; ++function) keys.push_back(function);
  keys.push_back(XK_Home);
  keys.push_back(XK_End);
  return keys;
}

}  // namespace ondrave::testing
