// Global hotkeys against a real X server: numbering, refusals that leave
// nothing grabbed, presses under every lock, modifier combinations,
// auto-repeat and a keyboard remapped while keys are registered.

// googletest first: X headers define None and Bool as macros, which its
// own names would collide with.
#include <gtest/gtest.h>

#include "desktop/x11/hotkeys.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <vector>

#include "x11_test_support.h"

namespace ondrave::x11 {
namespace {

using ondrave::testing::DisplayConnection;
using ondrave::testing::XvfbServer;

constexpr std::int32_t kVkA = 0x41;
constexpr std::int32_t kVkF1 = 0x70;
constexpr std::int32_t kVkF3 = 0x72;
constexpr std::int32_t kVkF5 = 0x74;
constexpr std::int32_t kVkF6 = 0x75;
constexpr std::int32_t kVkF7 = 0x76;
constexpr std::int32_t kVkHome = 0x24;
constexpr std::int32_t kVkEnd = 0x23;
constexpr std::int32_t kVkUp = 0x26;

class HotkeysTest : public ::testing::Test {
 protected:
  // Every event the server has sent the program so far, offered to the
  // hotkeys. The round trip guarantees that the events caused by requests
  // the user's connection has already synced are among them.
  void Dispatch() {
    XSync(program_.get(), False);
    while (XPending(program_.get()) > 0) {
      XEvent event;
      XNextEvent(program_.get(), &event);
      hotkeys_.HandleEvent(event);
    }
  }

  // Presses the key (with `held` modifier keys) as the user and returns the
  // ids delivered for it, waiting up to the usual bound for `expected` ids.
  std::vector<HotkeyId> Press(KeySym key, std::initializer_list<KeySym> held = {}, std::size_t expected = 1) {
    delivered_.clear();
    ondrave::testing::PressKey(user_.get(), key, held);
    ondrave::testing::WaitUntil([&] {
      Dispatch();
      return delivered_.size() >= expected;
    });
    return delivered_;
  }

  // Presses that must not be hotkey presses: once the server has processed
  // them and the program has synced, nothing may have been delivered.
  std::vector<HotkeyId> PressExpectingNothing(KeySym key, std::initializer_list<KeySym> held = {}) {
    delivered_.clear();
    ondrave::testing::PressKey(user_.get(), key, held);
    Dispatch();
    return delivered_;
  }

  XvfbServer server_;
  DisplayConnection program_ = server_.Connect();
  DisplayConnection user_ = server_.Connect();     // types the keys
  DisplayConnection blocker_ = server_.Connect();  // another program holding keys
  std::vector<HotkeyId> delivered_;
  Hotkeys hotkeys_{program_.get(), [this](HotkeyId id) { delivered_.push_back(id); }};
};

using Ids = std::vector<HotkeyId>;

TEST_F(HotkeysTest, EveryAttemptTakesTheNextNumberAndRefusalsUseTheirsUp) {
  ASSERT_TRUE(ondrave::testing::TryGrabKey(blocker_.get(), ondrave::testing::KeycodeOf(user_.get(), XK_F6), 0));
  struct Attempt {
    const char* what;
    std::int32_t modifierWord;
    std::int32_t virtualKey;
    HotkeyId expected;
  };
  const Attempt attempts[] = {
      {"F3, free", 0, kVkF3, 33001},
      {"F1, free", 0, kVkF1, 33002},
      {"F6, held by another program", 0, kVkF6, 0},
      {"a virtual key without a keysym", 0, 0x07, 0},
      {"F5 after two refusals", 0, kVkF5, 33005},
      {"F3 again, registered already", 0, kVkF3, 0},
      {"Ctrl+F3, another combination", 1, kVkF3, 33007},
      {"MOD_NOREPEAT, which X cannot honour", 0x4000, kVkF7, 0},
      {"Home", 0, kVkHome, 33009},
      {"End", 0, kVkEnd, 33010},
      {"Up", 0, kVkUp, 33011},
  };
  for (const Attempt& attempt : attempts) {
    EXPECT_EQ(hotkeys_.Register(attempt.modifierWord, attempt.virtualKey), attempt.expected) << attempt.what;
  }
}

// What another program holds F6 under: the modifiers of some lock keys, or
// any modifiers at all.
struct Blocked {
  std::vector<KeySym> locks;
  bool anyModifier;
};

void PrintTo(const Blocked& blocked, std::ostream* out) {
  if (blocked.anyModifier) {
    *out << "any modifiers";
    return;
  }
  *out << "the key";
  for (KeySym lock : blocked.locks) *out << " + " << XKeysymToString(lock);
}

class RefusedHotkeyTest : public HotkeysTest, public ::testing::WithParamInterface<Blocked> {
 protected:
  unsigned int MaskOf(const std::vector<KeySym>& locks) {
    unsigned int mask = 0;
    for (KeySym lock : locks) mask |= ondrave::testing::ModifierMaskOf(user_.get(), lock);
    return mask;
  }
};

TEST_P(RefusedHotkeyTest, GrabsNothingEvenWhenOtherLockVariantsWereFree) {
  const KeyCode f6 = ondrave::testing::KeycodeOf(user_.get(), XK_F6);
  const unsigned int blocked = GetParam().anyModifier ? unsigned{AnyModifier} : MaskOf(GetParam().locks);
  ASSERT_TRUE(ondrave::testing::TryGrabKey(blocker_.get(), f6, blocked));

  EXPECT_EQ(hotkeys_.Register(0, kVkF6), 0);

  // Once the other program lets go, every variant is free: the refused
  // attempt kept none of the variants it did get.
  XUngrabKey(blocker_.get(), f6, blocked, DefaultRootWindow(blocker_.get()));
  XSync(blocker_.get(), False);
  DisplayConnection third = server_.Connect();
  const std::vector<KeySym> lockKeys{XK_Caps_Lock, XK_Num_Lock, XK_Scroll_Lock};
  for (unsigned int subset = 0; subset < 8; ++subset) {
    std::vector<KeySym> locks;
    for (std::size_t i = 0; i < lockKeys.size(); ++i) {
      if (subset & (1u << i)) locks.push_back(lockKeys[i]);
    }
    const unsigned int variant = MaskOf(locks);
    EXPECT_TRUE(ondrave::testing::TryGrabKey(third.get(), f6, variant)) << "lock bits " << variant;
    XUngrabKey(third.get(), f6, variant, DefaultRootWindow(third.get()));
  }
  third.reset();
  EXPECT_EQ(PressExpectingNothing(XK_F6), Ids{});
  ondrave::testing::SetLock(user_.get(), XK_Num_Lock, true);
  EXPECT_EQ(PressExpectingNothing(XK_F6), Ids{});
}

INSTANTIATE_TEST_SUITE_P(BlockedVariants, RefusedHotkeyTest,
                         ::testing::Values(Blocked{{}, false}, Blocked{{XK_Caps_Lock}, false},
                                           Blocked{{XK_Num_Lock, XK_Caps_Lock}, false}, Blocked{{}, true}));

TEST_F(HotkeysTest, TheSameKeyTwiceIsRefusedAndTheFirstIdGoesOnDelivering) {
  const HotkeyId first = hotkeys_.Register(0, kVkF6);
  ASSERT_EQ(first, 33001);
  EXPECT_EQ(hotkeys_.Register(0, kVkF6), 0);
  EXPECT_EQ(Press(XK_F6), Ids{first});
  EXPECT_EQ(Press(XK_F6), Ids{first});
}

TEST_F(HotkeysTest, PressesArriveWithTheirIdWhateverLockIsOn) {
  struct Key {
    std::int32_t virtualKey;
    KeySym keysym;
  };
  const Key keys[] = {{kVkF3, XK_F3}, {kVkF1, XK_F1}, {kVkA, XK_a}, {kVkUp, XK_Up}, {kVkEnd, XK_End}};
  std::vector<HotkeyId> ids;
  for (const Key& key : keys) ids.push_back(hotkeys_.Register(0, key.virtualKey));
  ASSERT_EQ(ids, (Ids{33001, 33002, 33003, 33004, 33005}));

  struct Locks {
    const char* what;
    bool numLock, capsLock;
  };
  const Locks lockStates[] = {
      {"no lock", false, false}, {"NumLock", true, false}, {"CapsLock", false, true}, {"both", true, true}};
  for (const Locks& locks : lockStates) {
    ondrave::testing::SetLock(user_.get(), XK_Num_Lock, locks.numLock);
    ondrave::testing::SetLock(user_.get(), XK_Caps_Lock, locks.capsLock);
    for (std::size_t i = 0; i < std::size(keys); ++i) {
      EXPECT_EQ(Press(keys[i].keysym), Ids{ids[i]}) << locks.what << ", key " << i;
    }
  }
}

TEST_F(HotkeysTest, TheKeyWithAModifierHeldIsNotTheHotkey) {
  const HotkeyId f6 = hotkeys_.Register(0, kVkF6);
  ASSERT_EQ(f6, 33001);
  for (KeySym modifier : {XK_Control_L, XK_Shift_L, XK_Alt_L, XK_Super_L}) {
    EXPECT_EQ(PressExpectingNothing(XK_F6, {modifier}), Ids{}) << XKeysymToString(modifier);
    // The modifier is released again: the key alone is the hotkey once more.
    EXPECT_EQ(Press(XK_F6), Ids{f6}) << "after " << XKeysymToString(modifier);
  }
}

TEST_F(HotkeysTest, EachModifierWordIsItsOwnCombination) {
  struct Combination {
    std::int32_t modifierWord;
    std::initializer_list<KeySym> held;
  };
  const Combination combinations[] = {
      {0, {}},
      {1, {XK_Control_L}},
      {2, {XK_Shift_L}},
      {3, {XK_Control_L, XK_Shift_L}},
      {4, {XK_Alt_L}},
      {5, {XK_Control_L, XK_Alt_L}},
      {6, {XK_Shift_L, XK_Alt_L}},
      {7, {XK_Control_L, XK_Shift_L, XK_Alt_L}},  // untranslated: MOD_ALT | MOD_CONTROL | MOD_SHIFT
      {8, {XK_Super_L}},                          // untranslated: MOD_WIN
  };
  std::vector<HotkeyId> ids;
  // A letter: the server itself takes Ctrl+Alt+F-keys for switching consoles.
  for (const Combination& combination : combinations) ids.push_back(hotkeys_.Register(combination.modifierWord, kVkA));
  for (std::size_t i = 0; i < std::size(combinations); ++i) {
    ASSERT_EQ(ids[i], kFirstHotkeyId + static_cast<HotkeyId>(i)) << "word " << combinations[i].modifierWord;
    EXPECT_EQ(Press(XK_a, combinations[i].held), Ids{ids[i]}) << "word " << combinations[i].modifierWord;
  }
}

TEST_F(HotkeysTest, AutoRepeatPressesEachArrive) {
  const HotkeyId f6 = hotkeys_.Register(0, kVkF6);
  const KeyCode keycode = ondrave::testing::KeycodeOf(user_.get(), XK_F6);
  // The server's own auto-repeat, made quick: 100 ms before the first
  // repeat, then one every 20 ms.
  XAutoRepeatOn(user_.get());
  ASSERT_TRUE(XkbSetAutoRepeatRate(user_.get(), XkbUseCoreKbd, 100, 20));
  delivered_.clear();
  ondrave::testing::KeyDown(user_.get(), keycode);
  const bool repeated = ondrave::testing::WaitUntil([&] {
    Dispatch();
    return delivered_.size() >= 4;
  });
  ondrave::testing::KeyUp(user_.get(), keycode);
  Dispatch();
  EXPECT_TRUE(repeated) << delivered_.size() << " presses delivered while the key was held";
  EXPECT_EQ(std::count(delivered_.begin(), delivered_.end(), f6), static_cast<std::ptrdiff_t>(delivered_.size()));
}

TEST_F(HotkeysTest, KeyEventsOfTheHotkeyAreConsumedThoseOfTheProgramsWindowAreNot) {
  hotkeys_.Register(0, kVkF6);
  Display* program = program_.get();
  const Window own = XCreateSimpleWindow(program, DefaultRootWindow(program), 0, 0, 100, 100, 0, 0, 0);
  XSelectInput(program, own, KeyPressMask | KeyReleaseMask);
  XMapWindow(program, own);
  ASSERT_TRUE(ondrave::testing::WaitUntil([&] {
    XWindowAttributes state{};
    return XGetWindowAttributes(program, own, &state) && state.map_state == IsViewable;
  }));
  XSetInputFocus(program, own, RevertToParent, CurrentTime);
  XSync(program, False);

  // F6 is grabbed on the root even while the program's window has the
  // focus; F7 is typed into that window, which the toolkit must see.
  ondrave::testing::PressKey(user_.get(), XK_F6);
  ondrave::testing::PressKey(user_.get(), XK_F7);
  XSync(program, False);
  std::vector<std::pair<int, bool>> seen;  // event type, consumed
  while (XPending(program) > 0) {
    XEvent event;
    XNextEvent(program, &event);
    if (event.type == KeyPress || event.type == KeyRelease) seen.emplace_back(event.type, hotkeys_.HandleEvent(event));
  }
  EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{
                      {KeyPress, true}, {KeyRelease, true}, {KeyPress, false}, {KeyRelease, false}}));
  EXPECT_EQ(delivered_, Ids{kFirstHotkeyId});
}

// The keymap after a change: keycode -> keysym, one level.
void Remap(Display* display, std::initializer_list<std::pair<KeyCode, KeySym>> changes) {
  for (auto [keycode, keysym] : changes) XChangeKeyboardMapping(display, keycode, 1, &keysym, 1);
  XSync(display, False);
}

// A keycode the keymap leaves without any keysym.
KeyCode SpareKeycode(Display* display) {
  int minKeycode = 0, maxKeycode = 0;
  XDisplayKeycodes(display, &minKeycode, &maxKeycode);
  for (int keycode = maxKeycode; keycode >= minKeycode; --keycode) {
    int perKeycode = 0;
    KeySym* keysyms = XGetKeyboardMapping(display, static_cast<KeyCode>(keycode), 1, &perKeycode);
    bool empty = true;
    for (int i = 0; i < perKeycode; ++i) empty = empty && keysyms[i] == NoSymbol;
    XFree(keysyms);
    if (empty) return static_cast<KeyCode>(keycode);
  }
  return 0;
}

TEST_F(HotkeysTest, AKeyMovedToAnotherKeycodeIsGrabbedThereAfterTheMappingChange) {
  const KeyCode oldKeycode = ondrave::testing::KeycodeOf(user_.get(), XK_F6);
  const KeyCode newKeycode = SpareKeycode(user_.get());
  ASSERT_NE(newKeycode, 0);
  const HotkeyId f6 = hotkeys_.Register(0, kVkF6);
  const HotkeyId f3 = hotkeys_.Register(0, kVkF3);

  Remap(user_.get(), {{newKeycode, XK_F6}, {oldKeycode, XK_F13}});
  Dispatch();  // the MappingNotify

  delivered_.clear();
  ondrave::testing::KeyDown(user_.get(), newKeycode);
  ondrave::testing::KeyUp(user_.get(), newKeycode);
  ondrave::testing::WaitUntil([&] {
    Dispatch();
    return !delivered_.empty();
  });
  EXPECT_EQ(delivered_, Ids{f6}) << "the key on its new keycode";

  delivered_.clear();
  ondrave::testing::KeyDown(user_.get(), oldKeycode);
  ondrave::testing::KeyUp(user_.get(), oldKeycode);
  Dispatch();
  EXPECT_EQ(delivered_, Ids{}) << "the old keycode now types F13";
  EXPECT_TRUE(ondrave::testing::TryGrabKey(blocker_.get(), oldKeycode, 0)) << "the old keycode is let go";

  EXPECT_EQ(Press(XK_F3), Ids{f3}) << "a key the change did not touch";
  ondrave::testing::SetLock(user_.get(), XK_Num_Lock, true);
  delivered_.clear();
  ondrave::testing::KeyDown(user_.get(), newKeycode);
  ondrave::testing::KeyUp(user_.get(), newKeycode);
  ondrave::testing::WaitUntil([&] {
    Dispatch();
    return !delivered_.empty();
  });
  EXPECT_EQ(delivered_, Ids{f6}) << "the new keycode with NumLock on";
}

}  // namespace
}  // namespace ondrave::x11
