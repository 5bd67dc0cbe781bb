// What the fuzz targets share: a property check that stops the run with a
// crash libFuzzer records, and byte-level helpers for building inputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "desktop/utf8_bytes.h"

namespace fuzz {

// A broken property is a crash: libFuzzer saves the input that broke it.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Whether every byte of `text` belongs to a well-formed UTF-8 character.
inline bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = ondrave::Utf8SequenceLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

// Characters of well-formed UTF-8 text, counted by decoding it.
inline std::size_t DecodedCharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (; !text.empty(); ++count) text.remove_prefix(ondrave::Utf8SequenceLength(text));
  return count;
}

// Appends the UTF-8 bytes of a code point below U+10000.
inline void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The same ASCII text with some characters typed in their full-width forms:
// the blank as the ideographic space U+3000 and 0x21..0x7E as U+FF01..U+FF5E.
// Bit i % 8 of `mask` says whether character i is widened. The full-width
// dollar U+FF04 is left out: code page 936 stores it apart from the other
// full-width forms, so it does not fold back to '$'.
inline std::string Widen(std::string_view ascii, std::uint8_t mask) {
  std::string wide;
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    const auto c = static_cast<unsigned char>(ascii[i]);
    const bool widen = (mask >> (i % 8)) & 1;
    if (widen && c == ' ') {
      AppendUtf8(wide, U'\u3000');
    } else if (widen && c >= 0x21 && c <= 0x7E && c != '$') {
      AppendUtf8(wide, U'\uFF01' + (c - 0x21));
    } else {
      wide.push_back(static_cast<char>(c));
    }
  }
  return wide;
}

}  // namespace fuzz
