// Every key the program registers has its keysym; codes around the runs
// of the table have none.

// googletest first: X headers define None and Bool as macros, which its
// own names would collide with.
#include <gtest/gtest.h>

#include "clicker/key_table.h"
#include "desktop/x11/virtual_keys.h"

#include <X11/keysym.h>

namespace ondrave::x11 {
namespace {

TEST(KeysymForVirtualKeyTest, MapsTheEndsOfEachRunAndNothingBeyond) {
  struct Case {
    std::int32_t virtualKey;
    KeySym expected;
  };
  const Case cases[] = {
      {0x41, XK_a},     {0x4D, XK_m},      {0x5A, XK_z},      // A..Z
      {0x70, XK_F1},    {0x7B, XK_F12},                       // F1..F12
      {0x24, XK_Home},  {0x23, XK_End},    {0x26, XK_Up},
      {0x40, NoSymbol}, {0x5B, NoSymbol},  {0x6F, NoSymbol},  {0x7C, NoSymbol},  // just outside the runs
      {0x25, NoSymbol}, {0x22, NoSymbol},  {0, NoSymbol},     {-0x41, NoSymbol},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeysymForVirtualKey(c.virtualKey), c.expected) << "virtual key 0x" << std::hex << c.virtualKey;
  }
}

TEST(KeysymForVirtualKeyTest, EveryKeyTheProgramRegistersHasOne) {
  for (std::int32_t virtualKey : kStartStopKeys) {
    EXPECT_NE(KeysymForVirtualKey(virtualKey), static_cast<KeySym>(NoSymbol)) << "virtual key 0x" << std::hex << virtualKey;
  }
  for (std::int32_t virtualKey : {kVkF1, kVkF3, kVkF4, kVkUp}) {
    EXPECT_NE(KeysymForVirtualKey(virtualKey), static_cast<KeySym>(NoSymbol)) << "virtual key 0x" << std::hex << virtualKey;
  }
}

}  // namespace
}  // namespace ondrave::x11
