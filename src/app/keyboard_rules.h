// The window's own keyboard behaviour: what an edit box takes from the
// keyboard, and where Tab and Shift+Tab move the focus.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/window_table.h"

namespace ondrave {

// A typed character of code 0x20 or above is taken only if it is a digit or
// "-"; control characters (Backspace and the like) pass. Pasted text is not
// filtered.
constexpr bool EditAcceptsTypedChar(char32_t c) {
  return c < 0x20 || (c >= U'0' && c <= U'9') || c == U'-';
}

// Characters of UTF-8 text (a character is one code point).
std::size_t CharacterCount(std::string_view utf8);

// What an edit box with a text limit (0: none) keeps of text inserted into
// `current` in place of `selectedCount` characters: as much of it as fits.
std::string FitToLimit(std::string_view inserted, std::size_t currentCount, std::size_t selectedCount,
                       int textLimit);

// Whether a control takes part in the keyboard order now; the realisation
// answers it for the live window (visible, enabled, a tab stop).
using InKeyboardOrder = std::function<bool(Control)>;

// Where Tab (forward) or Shift+Tab moves the focus from `focused`. The order
// is the reverse of the table, wrapping around at both ends. A focused control
// that is not in the order counts at its own place in it. Empty when no
// control is in the order.
std::optional<Control> TabTarget(std::optional<Control> focused, bool forward, const InKeyboardOrder& inOrder);

// The control that gets the focus when the window is activated and no
// control had it before: the last of the table that is in the keyboard order.
std::optional<Control> DefaultFocus(const InKeyboardOrder& inOrder);

}  // namespace ondrave
