// Virtual-key codes: the fixed hotkeys and the 40 start/stop keys of 组合框2.
#pragma once

#include <array>
#include <cstdint>

namespace ondrave {

inline constexpr std::int32_t kVkF1 = 0x70;
inline constexpr std::int32_t kVkF3 = 0x72;
inline constexpr std::int32_t kVkF4 = 0x73;
inline constexpr std::int32_t kVkUp = 0x26;

// List index -> virtual key: "A".."Z", "F1".."F12", "Home", "End".
inline constexpr std::array<std::int32_t, 40> kStartStopKeys = [] {
  std::array<std::int32_t, 40> keys{};
  for (int i = 0; i < 26; ++i) keys[i] = 0x41 + i;
  for (int i = 0; i < 12; ++i) keys[26 + i] = 0x70 + i;
  keys[38] = 0x24;
  keys[39] = 0x23;
  return keys;
}();

}  // namespace ondrave
