// FoldFullWidth on raw GBK bytes: any bytes at all, including zero bytes,
// bytes that form no GBK character and a first half of a pair at the end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "desktop/text_conversions.h"
#include "fuzz_support.h"

namespace {

// The ASCII byte a GBK pair stands for when it is one of the folded forms
// (the ideographic space, the full-width tilde, the two stars and the
// full-width forms of 0x21..0x7E), or 0.
char FoldedForm(unsigned char first, unsigned char second) {
  if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) return static_cast<char>(second - 0x80);
  if (first != 0xA1) return 0;
  switch (second) {
    case 0xA1: return ' ';
    case 0xAB: return '~';
    case 0xEE:
    case 0xEF: return '*';
    default: return 0;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view gbk = fuzz::AsText(data, size);
  const std::string folded = ondrave::FoldFullWidth(gbk);

  // The text ends at its first zero byte.
  const std::string_view text = gbk.substr(0, gbk.find('\0'));
  fuzz::Require(folded.size() <= text.size(), "folding never makes a text longer");
  fuzz::Require(folded.find('\0') == std::string::npos, "a folded text holds no zero byte");
  fuzz::Require(ondrave::FoldFullWidth(folded) == folded, "folding a folded text changes nothing");

  // Walk the text and the folded text in step: an ASCII byte is copied, a
  // pair becomes its ASCII form or stays, a lone first byte at the end goes.
  std::size_t out = 0;
  for (std::size_t in = 0; in < text.size(); ++in) {
    const auto first = static_cast<unsigned char>(text[in]);
    if (first < 0x80) {
      fuzz::Require(out < folded.size() && folded[out] == text[in], "an ASCII byte is copied");
      ++out;
      continue;
    }
    if (in + 1 == text.size()) break;
    const auto second = static_cast<unsigned char>(text[in + 1]);
    if (const char ascii = FoldedForm(first, second); ascii != 0) {
      fuzz::Require(out < folded.size() && folded[out] == ascii, "a full-width form becomes its ASCII byte");
      out += 1;
    } else {
      fuzz::Require(folded.size() >= out + 2 && folded.compare(out, 2, text.substr(in, 2)) == 0,
                    "any other pair stays as it is");
      out += 2;
    }
    ++in;
  }
  fuzz::Require(out == folded.size(), "the folded text holds nothing else");
  return 0;
}
