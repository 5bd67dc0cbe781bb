// Byte-level facts about UTF-8 texts: whether a text is plain ASCII (the same
// bytes in UTF-8 and GBK, so no conversion is needed), and the length of one
// well-formed character, for the GBK converters that must tell a character GBK
// lacks (one "?") from bytes that are not UTF-8 at all (one "?" each).
#pragma once

#include <cstddef>
#include <string_view>

namespace ondrave {

inline bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The number of bytes (1 to 4) of the well-formed UTF-8 character that starts
// `text`, or 0 when it does not start with one. Overlong forms, surrogates and
// code points above U+10FFFF are not well formed.
inline std::size_t Utf8SequenceLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;

  std::size_t length = 0;
  // The range of the second byte narrows for some leads: that is what rules
  // out overlong forms (E0, F0), surrogates (ED) and values past U+10FFFF (F4).
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < secondLow || byte(1) > secondHigh) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace ondrave
