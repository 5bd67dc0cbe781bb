// Conversion between UTF-8, the encoding of control texts, and GBK (code page
// 936), the encoding the number readers fold on.
#pragma once

#include <string>
#include <string_view>

namespace ondrave {

// A character GBK lacks, and every byte that is not valid UTF-8, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// A byte sequence that is not valid GBK becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

}  // namespace ondrave
