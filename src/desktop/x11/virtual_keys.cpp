#include "desktop/x11/virtual_keys.h"

#include <X11/keysym.h>

#include <array>

namespace ondrave::x11 {
namespace {

// Runs of consecutive virtual-key codes whose keysyms are consecutive too.
struct KeyRun {
  std::int32_t firstVirtualKey;
  KeySym firstKeysym;
  std::int32_t count;
};

constexpr std::array<KeyRun, 5> kKeyRuns{{
    {0x41, XK_a, 26},     // A..Z
    {0x70, XK_F1, 12},    // F1..F12
    {0x24, XK_Home, 1},
    {0x23, XK_End, 1},
    {0x26, XK_Up, 1},
}};

}  // namespace

KeySym KeysymForVirtualKey(std::int32_t virtualKey) {
  for (const KeyRun& run : kKeyRuns) {
    const std::int32_t offset = virtualKey - run.firstVirtualKey;
    if (offset >= 0 && offset < run.count) return run.firstKeysym + static_cast<KeySym>(offset);
  }
  return NoSymbol;
}

}  // namespace ondrave::x11
