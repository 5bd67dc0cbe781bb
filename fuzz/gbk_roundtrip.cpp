// The GBK codec on any bytes, read both as UTF-8 and as GBK.
//
// Utf8ToGbk then GbkToUtf8 must give back every character GBK has, and one
// "?" in the place of each character GBK lacks and of each byte that is not
// UTF-8, in the same order. Which characters GBK lacks is iconv's table, so a
// "?" is accepted for any character outside the ranges that GBK is known to
// hold whole: ASCII, the ideographic space, the CJK unified ideographs
// U+4E00..U+9FA5 and the full-width forms U+FF01..U+FF5E.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "desktop/gbk_codec.h"
#include "fuzz_support.h"

namespace {

constexpr std::string_view kQuestionMark = "?";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The code point of a well-formed UTF-8 character of `length` bytes.
char32_t Decode(std::string_view c, std::size_t length) {
  const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(c[i])); };
  if (length == 1) return byte(0);
  char32_t value = byte(0) & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) value = (value << 6) | (byte(i) & 0x3F);
  return value;
}

bool SurelyInGbk(char32_t c) {
  return c < 0x80 || c == 0x3000 || (c >= 0x4E00 && c <= 0x9FA5) || (c >= 0xFF01 && c <= 0xFF5E);
}

void CheckRoundTrip(std::string_view utf8) {
  const std::string back = ondrave::GbkToUtf8(ondrave::Utf8ToGbk(utf8));
  // GBK has no U+FFFD, so one in the result would mean a bad GBK sequence.
  fuzz::Require(back.find(kReplacementCharacter) == std::string::npos,
                "Utf8ToGbk writes well-formed GBK only");

  std::string_view rest = utf8;
  std::string_view out = back;
  while (!rest.empty()) {
    const std::size_t length = ondrave::Utf8SequenceLength(rest);
    if (length == 0) {
      fuzz::Require(out.starts_with(kQuestionMark), "a byte that is not UTF-8 becomes one \"?\"");
      out.remove_prefix(1);
      rest.remove_prefix(1);
      continue;
    }
    const std::string_view c = rest.substr(0, length);
    if (out.starts_with(c)) {
      out.remove_prefix(length);
    } else {
      fuzz::Require(!SurelyInGbk(Decode(c, length)), "a character GBK has comes back as itself");
      fuzz::Require(out.starts_with(kQuestionMark), "a character GBK lacks becomes one \"?\"");
      out.remove_prefix(1);
    }
    rest.remove_prefix(length);
  }
  fuzz::Require(out.empty(), "the round trip adds nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::AsText(data, size);
  CheckRoundTrip(bytes);

  // Read as GBK, any bytes give well-formed UTF-8.
  const std::string utf8 = ondrave::GbkToUtf8(bytes);
  fuzz::Require(fuzz::IsValidUtf8(utf8), "GbkToUtf8 writes well-formed UTF-8 only");
  return 0;
}
