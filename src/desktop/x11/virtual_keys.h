// Win32 virtual-key codes of the keys this program registers, as X keysyms.
#pragma once

#include <X11/X.h>

#include <cstdint>

namespace ondrave::x11 {

// The keysym of a virtual-key code, or NoSymbol for a code outside the table.
// Letters give their lower-case keysym, the one a key's first level carries.
KeySym KeysymForVirtualKey(std::int32_t virtualKey);

}  // namespace ondrave::x11
