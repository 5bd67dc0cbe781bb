#include "desktop/x11/hotkeys.h"

#include <X11/keysym.h>

#include <algorithm>
#include <utility>

#include "desktop/x11/error_trap.h"
#include "desktop/x11/keyboard_mapping.h"
#include "desktop/x11/virtual_keys.h"

namespace ondrave::x11 {

// One live registration. Its keycodes are those grabbed right now: every
// keycode yielding the keysym, or none after a mapping change that left the
// key unmapped or let another client take it first.
struct Hotkeys::Grab {
  HotkeyId id;
  std::int32_t modifierWord;
  KeySym keysym;
  unsigned int modifiers;
  std::vector<KeyCode> keycodes;
};

Hotkeys::Hotkeys(Display* display, Deliver deliver)
    : display_(display),
      root_(DefaultRootWindow(display)),
      deliver_(std::move(deliver)),
      masks_(ReadModifierMasks(display)),
      lockCombinations_(LockCombinations(masks_)) {
  // Xlib passes a keyboard mapping change on as MappingNotify only once it
  // keeps its own copy of the keyboard description, which its first keysym
  // lookup loads; the toolkit may not have made one yet.
  XKeysymToKeycode(display_, XK_F1);
}

Hotkeys::~Hotkeys() = default;

HotkeyId Hotkeys::Register(std::int32_t modifierWord, std::int32_t virtualKey) {
  // The number is used up whether or not the attempt succeeds.
  ++attemptCount_;
  const HotkeyId id = kFirstHotkeyId - 1 + attemptCount_;

  const KeySym keysym = KeysymForVirtualKey(virtualKey);
  const std::optional<unsigned int> modifiers = ModifierWordToMask(modifierWord, masks_);
  if (keysym == NoSymbol || !modifiers) return 0;

  Grab grab{id, modifierWord, keysym, *modifiers, KeyboardMapping(display_).KeycodesOf(keysym)};
  // X lets a client grab a key twice; a second registration must fail all the same.
  if (TakenByThisProgram(grab)) return 0;
  if (!GrabKeys(grab)) return 0;
  grabs_.push_back(std::move(grab));
  return id;
}

bool Hotkeys::TakenByThisProgram(const Grab& grab) const {
  return std::any_of(grabs_.begin(), grabs_.end(), [&](const Grab& live) {
    if (live.modifiers != grab.modifiers) return false;
    if (live.keysym == grab.keysym) return true;
    return std::any_of(grab.keycodes.begin(), grab.keycodes.end(), [&](KeyCode keycode) {
      return std::find(live.keycodes.begin(), live.keycodes.end(), keycode) != live.keycodes.end();
    });
  });
}

bool Hotkeys::GrabKeys(const Grab& grab) {
  // Another client holding any one variant answers BadAccess; then every
  // variant this attempt did get is let go again, so nothing stays half-grabbed.
  ErrorTrap trap(display_);
  for (KeyCode keycode : grab.keycodes) {
    for (unsigned int locks : lockCombinations_) {
      XGrabKey(display_, keycode, grab.modifiers | locks, root_, False, GrabModeAsync, GrabModeAsync);
    }
  }
  if (!trap.Failed()) return true;
  UngrabKeys(grab);
  return false;
}

void Hotkeys::UngrabKeys(const Grab& grab) {
  for (KeyCode keycode : grab.keycodes) {
    for (unsigned int locks : lockCombinations_) {
      XUngrabKey(display_, keycode, grab.modifiers | locks, root_);
    }
  }
}

bool Hotkeys::HandleEvent(const XEvent& event) {
  switch (event.type) {
    case KeyPress: {
      // Events of a passive grab on the root are reported to the root;
      // key events of the program's own windows are not hotkey presses.
      if (event.xkey.window != root_) return false;
      const Grab* grab = GrabOfPress(event.xkey);
      if (grab == nullptr) return false;
      // Copied first: the handler may register keys and so move the table.
      const HotkeyId id = grab->id;
      deliver_(id);
      return true;
    }
    case KeyRelease:
      return event.xkey.window == root_ && IsGrabbedKeycode(event.xkey.keycode);
    case MappingNotify:
      FollowMappingChange(event.xmapping);
      return false;  // the toolkit refreshes its own view of the keyboard too
    default:
      return false;
  }
}

const Hotkeys::Grab* Hotkeys::GrabOfPress(const XKeyEvent& press) const {
  const unsigned int combination = CombinationBits(press.state, masks_);
  for (const Grab& grab : grabs_) {
    if (grab.modifiers != combination) continue;
    if (std::find(grab.keycodes.begin(), grab.keycodes.end(), press.keycode) != grab.keycodes.end()) return &grab;
  }
  return nullptr;
}

bool Hotkeys::IsGrabbedKeycode(unsigned int keycode) const {
  return std::any_of(grabs_.begin(), grabs_.end(), [&](const Grab& grab) {
    return std::find(grab.keycodes.begin(), grab.keycodes.end(), keycode) != grab.keycodes.end();
  });
}

void Hotkeys::FollowMappingChange(const XMappingEvent& change) {
  if (change.request == MappingPointer) return;
  XMappingEvent refresh = change;
  XRefreshKeyboardMapping(&refresh);

  // The old grabs go under the old lock masks, the new ones under the new.
  for (const Grab& grab : grabs_) UngrabKeys(grab);
  masks_ = ReadModifierMasks(display_);
  lockCombinations_ = LockCombinations(masks_);
  const KeyboardMapping keys(display_);
  for (Grab& grab : grabs_) {
    const std::optional<unsigned int> modifiers = ModifierWordToMask(grab.modifierWord, masks_);
    grab.keycodes.clear();
    if (!modifiers) continue;
    grab.modifiers = *modifiers;
    grab.keycodes = keys.KeycodesOf(grab.keysym);
    // A key taken by another client meanwhile stays registered but silent
    // until a later mapping change lets it be grabbed again.
    if (!GrabKeys(grab)) grab.keycodes.clear();
  }
}

}  // namespace ondrave::x11
