// FitToLimit and CharacterCount on any bytes pasted into an edit box with any
// text limit: the first 12 input bytes give the limit, the characters already
// in the box and those selected; the rest is the pasted text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "app/keyboard_rules.h"
#include "fuzz_support.h"

namespace {

bool IsContinuationByte(char b) { return (static_cast<unsigned char>(b) & 0xC0) == 0x80; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 12;
  if (size < kHeader) return 0;
  std::int32_t limit;
  std::uint32_t current, selectedRaw;
  std::memcpy(&limit, data, 4);
  std::memcpy(&current, data + 4, 4);
  std::memcpy(&selectedRaw, data + 8, 4);
  // The selection lies within the text in the box.
  const std::size_t selected = selectedRaw % (std::size_t{current} + 1);
  const std::string_view pasted = fuzz::AsText(data + kHeader, size - kHeader);

  const std::string kept = ondrave::FitToLimit(pasted, current, selected, limit);
  fuzz::Require(pasted.starts_with(kept), "what is kept is the front of the pasted text");
  fuzz::Require(kept.empty() || kept.size() == pasted.size() || !IsContinuationByte(pasted[kept.size()]),
                "the cut never falls inside a character");
  if (fuzz::IsValidUtf8(pasted)) {
    fuzz::Require(fuzz::IsValidUtf8(kept), "the front of well-formed UTF-8 stays well formed");
    fuzz::Require(ondrave::CharacterCount(pasted) == fuzz::DecodedCharacterCount(pasted),
                  "CharacterCount counts the characters of well-formed UTF-8");
  }

  if (limit <= 0) {
    fuzz::Require(kept == pasted, "without a limit everything is kept");
    return 0;
  }
  const std::size_t remaining = current - selected;
  const std::size_t room = remaining >= static_cast<std::size_t>(limit) ? 0 : limit - remaining;
  fuzz::Require(ondrave::CharacterCount(kept) <= room, "the box never holds more characters than its limit");
  if (kept.size() < pasted.size() && fuzz::IsValidUtf8(pasted)) {
    fuzz::Require(ondrave::CharacterCount(kept) == room, "as much is kept as fits");
  }
  return 0;
}
