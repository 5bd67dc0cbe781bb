// TextToNumber on any bytes as a control text: it never crashes, and on texts
// written in the characters a decimal number is made of it reads what the C
// library's strtod reads in the "C" locale, to the last bit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "desktop/text_conversions.h"
#include "fuzz_support.h"

namespace {

// The bytes of decimal numbers, exponent letters and white space. No 'x',
// 'i' or 'n': strtod would read hexadecimal numbers, "inf" and "nan", which
// control texts do not have.
constexpr std::string_view kNumberBytes = "0123456789.+-eEdD \t";

// The input as a text of number bytes: a number byte stays, any other byte
// stands for one of them, so every input is a number-like text.
std::string NumberLikeText(std::string_view bytes) {
  std::string text(bytes);
  for (char& c : text) {
    if (kNumberBytes.find(c) == std::string_view::npos) {
      c = kNumberBytes[static_cast<unsigned char>(c) % kNumberBytes.size()];
    }
  }
  return text;
}

// strtod knows only e and E; a d or D exponent means the same.
double ReferenceAtof(std::string text) {
  for (char& c : text) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  return std::strtod(text.c_str(), nullptr);
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw = fuzz::AsText(data, size);
  (void)ondrave::TextToNumber(raw);

  const std::string text = NumberLikeText(raw);
  fuzz::Require(SameBits(ondrave::TextToNumber(text), ReferenceAtof(text)),
                "TextToNumber reads a number text as strtod does, to the last bit and the sign of zero");

  // Typing any of it in full-width forms does not change the number.
  if (size > 0) {
    const std::string_view rest = std::string_view(text).substr(1);
    fuzz::Require(SameBits(ondrave::TextToNumber(fuzz::Widen(rest, data[0])), ondrave::TextToNumber(rest)),
                  "full-width forms read as ASCII");
  }
  return 0;
}
