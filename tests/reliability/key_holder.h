// Another client that holds keys as its own hotkeys (passive grabs on the
// root window with no modifier), as a desktop shortcut daemon does, and
// counts the presses that reach it.
#pragma once

#include <X11/Xlib.h>

#include <map>
#include <string>
#include <vector>

#include "x11_test_support.h"

namespace ondrave::testing {

class KeyHolder {
 public:
  // Grabs every key; throws when the server refuses one of them.
  KeyHolder(const std::string& displayName, const std::vector<KeySym>& keys);
  KeyHolder(const KeyHolder&) = delete;
  KeyHolder& operator=(const KeyHolder&) = delete;

  // Presses of the key that have reached this client so far.
  int PressesOf(KeySym key);

 private:
  DisplayConnection connection_;
  std::map<KeyCode, int> presses_;
};

// The 40 keys of the start/stop list, in the list's order: A to Z, F1 to
// F12, Home, End.
std::vector<KeySym> StartStopKeys();

}  // namespace ondrave::testing
