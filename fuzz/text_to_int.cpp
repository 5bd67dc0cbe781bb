// TextToInt on any bytes as a control text. Checked against a reading written
// here from the C library's own character classes: skip white space, take a
// sign, take digits, wrap around past 32 bits.
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "desktop/gbk_codec.h"
#include "desktop/text_conversions.h"
#include "fuzz_support.h"

namespace {

// atoi of the text up to its first zero byte, the value taken modulo 2^32.
std::int32_t ReferenceAtoi(std::string_view bytes) {
  const std::string text(bytes.substr(0, bytes.find('\0')));
  const auto at = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0; };
  std::size_t i = 0;
  while (at(i) != 0 && std::isspace(at(i))) ++i;
  const std::size_t numberStart = i;
  const bool negative = at(i) == '-';
  if (at(i) == '-' || at(i) == '+') ++i;
  const std::size_t digitsStart = i;
  std::uint64_t value = 0;
  for (; std::isdigit(at(i)); ++i) value = (value * 10 + (at(i) - '0')) % (std::uint64_t{1} << 32);
  if (negative) value = ((std::uint64_t{1} << 32) - value) % (std::uint64_t{1} << 32);
  const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));

  // Where the digits fit in a long long, the C library must agree.
  if (i - digitsStart <= 18) {
    errno = 0;
    const long long read = std::strtoll(text.c_str() + numberStart, nullptr, 10);
    fuzz::Require(errno == 0, "strtoll reads up to 18 digits without overflow");
    fuzz::Require(static_cast<std::int32_t>(static_cast<std::uint32_t>(read)) == wrapped,
                  "the reference reading agrees with strtoll");
  }
  return wrapped;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::int32_t value = ondrave::TextToInt(text);

  // A control text is read as its folded GBK bytes, whatever it holds.
  const std::string folded = ondrave::FoldFullWidth(ondrave::Utf8ToGbk(text));
  fuzz::Require(value == ReferenceAtoi(folded), "TextToInt reads the folded text as atoi with wrap-around");

  // Typing any of an ASCII text in full-width forms does not change its number.
  if (ondrave::IsAscii(text) && size > 0) {
    const std::string_view rest = text.substr(1);
    const std::string wide = fuzz::Widen(rest, data[0]);
    fuzz::Require(ondrave::TextToInt(wide) == ondrave::TextToInt(rest), "full-width forms read as ASCII");
  }
  return 0;
}
