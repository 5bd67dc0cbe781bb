// Conversion between UTF-8, the encoding of every text inside the program,
// and UTF-16, the encoding of the wide-character Windows calls. Going through
// the wide calls makes the Chinese texts read right whatever code page the
// system runs with.
#pragma once

#include <string>
#include <string_view>

namespace ondrave::win32 {

// Bytes that are not UTF-8 become U+FFFD.
std::wstring Widen(std::string_view utf8);

// An unpaired surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view utf16);

}  // namespace ondrave::win32
