// The modifier masks a hotkey grab depends on: which modifier bits the lock
// keys and the Windows (Super) key occupy on this keyboard, and the modifier
// word of a registration translated into X modifier bits.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace ondrave::x11 {

struct ModifierMasks {
  unsigned int numLock = 0;     // 0 when no modifier carries Num_Lock
  unsigned int scrollLock = 0;  // 0 when no modifier carries Scroll_Lock
  unsigned int super = 0;       // 0 when no modifier carries Super_L or Super_R
};

// Reads the keyboard's modifier mapping; a mapping the server cannot give
// leaves every mask 0, so hotkeys are grabbed for CapsLock variants only.
ModifierMasks ReadModifierMasks(Display* display);

// CapsLock, NumLock and ScrollLock together: the bits a press may carry
// without being another key combination.
unsigned int LockBits(const ModifierMasks& masks);

// Every combination of the lock bits, each once (0 first): a hotkey is
// grabbed under all of them so it works whatever lock is on.
std::vector<unsigned int> LockCombinations(const ModifierMasks& masks);

// The X modifier bits for a registration's modifier word (1 Ctrl, 2 Shift,
// 4 Alt; other values are Win32 MOD_* bits as they stand), or nothing when
// the word asks for a modifier this keyboard or X cannot grab.
std::optional<unsigned int> ModifierWordToMask(std::int32_t modifierWord, const ModifierMasks& masks);

// The modifier bits of a key event's state that make it a key combination:
// pointer buttons, the keyboard group and the lock bits are left out.
unsigned int CombinationBits(unsigned int eventState, const ModifierMasks& masks);

}  // namespace ondrave::x11
