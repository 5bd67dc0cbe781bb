#include "app/keyboard_rules.h"

namespace ondrave {
namespace {

// Position in the keyboard order, which runs against the table.
int KeyboardPlace(Control c) { return kControlCount - 1 - static_cast<int>(c); }
Control AtKeyboardPlace(int place) { return static_cast<Control>(kControlCount - 1 - place); }

bool IsContinuationByte(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char b : utf8)
    if (!IsContinuationByte(b)) ++n;
  return n;
}

std::string FitToLimit(std::string_view inserted, std::size_t currentCount, std::size_t selectedCount,
                       int textLimit) {
  if (textLimit <= 0) return std::string(inserted);
  const std::size_t kept = currentCount - selectedCount;
  if (kept >= static_cast<std::size_t>(textLimit)) return {};
  std::size_t room = static_cast<std::size_t>(textLimit) - kept;
  std::size_t end = 0;
  // Cut at a character boundary, never inside a multi-byte character.
  while (end < inserted.size()) {
    std::size_t next = end + 1;
    while (next < inserted.size() && IsContinuationByte(static_cast<unsigned char>(inserted[next]))) ++next;
    if (room == 0) break;
    --room;
    end = next;
  }
  return std::string(inserted.substr(0, end));
}

std::optional<Control> TabTarget(std::optional<Control> focused, bool forward, const InKeyboardOrder& inOrder) {
  const int start = focused ? KeyboardPlace(*focused) : (forward ? -1 : kControlCount);
  for (int step = 1; step <= kControlCount; ++step) {
    int place = forward ? start + step : start - step;
    place = ((place % kControlCount) + kControlCount) % kControlCount;
    const Control c = AtKeyboardPlace(place);
    if (inOrder(c)) return c;
  }
  return std::nullopt;
}

std::optional<Control> DefaultFocus(const InKeyboardOrder& inOrder) {
  for (int i = kControlCount - 1; i >= 0; --i)
    if (inOrder(static_cast<Control>(i))) return static_cast<Control>(i);
  return std::nullopt;
}

}  // namespace ondrave
