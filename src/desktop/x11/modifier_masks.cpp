#include "desktop/x11/modifier_masks.h"

#include <X11/keysym.h>

#include <algorithm>
#include <array>

#include "desktop/x11/keyboard_mapping.h"

namespace ondrave::x11 {
namespace {

// Win32 RegisterHotKey modifier flags.
constexpr std::uint32_t kModAlt = 0x1;
constexpr std::uint32_t kModControl = 0x2;
constexpr std::uint32_t kModShift = 0x4;
constexpr std::uint32_t kModWin = 0x8;

// Modifier words 0..6 name Ctrl, Shift and Alt with bits of their own;
// every other word is handed to RegisterHotKey untranslated.
constexpr std::array<std::uint32_t, 7> kWordToWin32Flags{
    0,                          // 0: the key alone
    kModControl,                // 1
    kModShift,                  // 2
    kModControl | kModShift,    // 3
    kModAlt,                    // 4
    kModControl | kModAlt,      // 5
    kModShift | kModAlt,        // 6
};

// The eight core modifier bits: Shift, Lock, Control, Mod1..Mod5.
constexpr unsigned int kCoreModifierBits = 0xFF;

// The modifier bits whose keys yield the keysym.
unsigned int MaskOfKeysym(const XModifierKeymap& modifiers, const KeyboardMapping& keys, KeySym keysym) {
  unsigned int mask = 0;
  for (int modifier = 0; modifier < 8; ++modifier) {
    for (int i = 0; i < modifiers.max_keypermod; ++i) {
      const KeyCode keycode = modifiers.modifiermap[modifier * modifiers.max_keypermod + i];
      if (keycode != 0 && keys.Yields(keycode, keysym)) mask |= 1u << modifier;
    }
  }
  return mask;
}

}  // namespace

ModifierMasks ReadModifierMasks(Display* display) {
  XModifierKeymap* modifiers = XGetModifierMapping(display);
  if (modifiers == nullptr) return {};
  const KeyboardMapping keys(display);
  ModifierMasks masks;
  masks.numLock = MaskOfKeysym(*modifiers, keys, XK_Num_Lock);
  masks.scrollLock = MaskOfKeysym(*modifiers, keys, XK_Scroll_Lock);
  masks.super = MaskOfKeysym(*modifiers, keys, XK_Super_L) | MaskOfKeysym(*modifiers, keys, XK_Super_R);
  XFreeModifiermap(modifiers);
  return masks;
}

unsigned int LockBits(const ModifierMasks& masks) {
  return LockMask | masks.numLock | masks.scrollLock;
}

std::vector<unsigned int> LockCombinations(const ModifierMasks& masks) {
  const std::array<unsigned int, 3> locks{LockMask, masks.numLock, masks.scrollLock};
  std::vector<unsigned int> combinations;
  for (unsigned int subset = 0; subset < 8; ++subset) {
    unsigned int bits = 0;
    for (std::size_t i = 0; i < locks.size(); ++i) {
      if (subset & (1u << i)) bits |= locks[i];
    }
    if (std::find(combinations.begin(), combinations.end(), bits) == combinations.end()) {
      combinations.push_back(bits);
    }
  }
  return combinations;
}

std::optional<unsigned int> ModifierWordToMask(std::int32_t modifierWord, const ModifierMasks& masks) {
  const std::uint32_t flags = modifierWord >= 0 && modifierWord < static_cast<std::int32_t>(kWordToWin32Flags.size())
                                  ? kWordToWin32Flags[static_cast<std::size_t>(modifierWord)]
                                  : static_cast<std::uint32_t>(modifierWord);
  struct FlagToMask {
    std::uint32_t flag;
    unsigned int mask;
  };
  const std::array<FlagToMask, 4> flagMasks{{
      {kModAlt, Mod1Mask},
      {kModControl, ControlMask},
      {kModShift, ShiftMask},
      {kModWin, masks.super},
  }};
  unsigned int mask = 0;
  std::uint32_t unmatched = flags;
  for (const FlagToMask& entry : flagMasks) {
    if ((flags & entry.flag) == 0) continue;
    // A keyboard without a Super modifier cannot hold the Windows key.
    if (entry.mask == 0) return std::nullopt;
    mask |= entry.mask;
    unmatched &= ~entry.flag;
  }
  // MOD_NOREPEAT and unknown bits have no X counterpart: the grab is refused.
  if (unmatched != 0) return std::nullopt;
  return mask;
}

unsigned int CombinationBits(unsigned int eventState, const ModifierMasks& masks) {
  return eventState & kCoreModifierBits & ~LockBits(masks);
}

}  // namespace ondrave::x11
