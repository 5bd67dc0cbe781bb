// Conversions between control texts and numbers.
//
// Control texts are UTF-8. The full-width folding is defined on the bytes of
// the Chinese code page (GBK), so the number readers convert a text to GBK
// (characters GBK lacks become "?") and fold those bytes before reading.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ondrave {

// GBK bytes in, GBK bytes out: the ideographic space, full-width tilde, the
// stars and the full-width forms of 0x21..0x7E become their ASCII bytes.
std::string FoldFullWidth(std::string_view gbk);

// atoi in the "C" locale after folding; wraps around past 32 bits.
std::int32_t TextToInt(std::string_view text);

// atof in the "C" locale after folding; exponents may be written e, E, d or D.
double TextToNumber(std::string_view text);

// Decimal, with "-" before negative numbers.
std::string IntToText(std::int32_t n);

}  // namespace ondrave
