#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>
#include <vector>

#include "caught_errors.h"
#include "x11_test_support.h"

namespace ondrave::testing {
namespace {

void FakeKey(Display* display, KeyCode keycode, bool press) {
  if (!XTestFakeKeyEvent(display, keycode, press ? True : False, CurrentTime)) {
    throw std::runtime_error("XTestFakeKeyEvent failed (no XTest on the server?)");
  }
}

}  // namespace

KeyCode KeycodeOf(Display* display, KeySym keysym) {
  const KeyCode keycode = XKeysymToKeycode(display, keysym);
  if (keycode == 0) throw std::runtime_error(std::string("no key yields ") + XKeysymToString(keysym));
  return keycode;
}

void PressKey(Display* display, KeySym key, std::initializer_list<KeySym> held) {
  std::vector<KeyCode> heldKeycodes;
  for (KeySym modifier : held) heldKeycodes.push_back(KeycodeOf(display, modifier));
  const KeyCode keycode = KeycodeOf(display, key);
  for (KeyCode modifier : heldKeycodes) FakeKey(display, modifier, true);
  FakeKey(display, keycode, true);
  FakeKey(display, keycode, false);
  for (auto modifier = heldKeycodes.rbegin(); modifier != heldKeycodes.rend(); ++modifier) {
    FakeKey(display, *modifier, false);
  }
  XSync(display, False);
}

void KeyDown(Display* display, KeyCode keycode) {
  FakeKey(display, keycode, true);
  XSync(display, False);
}

void KeyUp(Display* display, KeyCode keycode) {
  FakeKey(display, keycode, false);
  XSync(display, False);
}

unsigned int ModifierMaskOf(Display* display, KeySym keysym) {
  return XkbKeysymToModifiers(display, keysym);
}

void SetLock(Display* display, KeySym lockKey, bool on) {
  const unsigned int mask = ModifierMaskOf(display, lockKey);
  if (mask == 0) throw std::runtime_error(std::string("no modifier locks ") + XKeysymToString(lockKey));
  if (!XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0)) {
    throw std::runtime_error("XkbLockModifiers failed");
  }
  XSync(display, False);
}

bool TryGrabKey(Display* display, KeyCode keycode, unsigned int modifiers) {
  CaughtErrors errors(display);
  XGrabKey(display, keycode, modifiers, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync);
  return !errors.Caught(BadAccess);
}

}  // namespace ondrave::testing
