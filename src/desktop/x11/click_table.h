// The button events of each click kind: a table of data, the same on every
// desktop.
#pragma once

#include <array>
#include <span>

#include "desktop/services.h"

namespace ondrave {

enum class MouseButton { Left, Right };

struct ButtonEvent {
  MouseButton button;
  bool press;  // true: the button goes down; false: it comes up
};

inline constexpr std::array<ButtonEvent, 2> kLeftSingleClick{{
    {MouseButton::Left, true}, {MouseButton::Left, false}}};
inline constexpr std::array<ButtonEvent, 4> kLeftDoubleClick{{
    {MouseButton::Left, true}, {MouseButton::Left, false}, {MouseButton::Left, true}, {MouseButton::Left, false}}};
inline constexpr std::array<ButtonEvent, 2> kRightSingleClick{{
    {MouseButton::Right, true}, {MouseButton::Right, false}}};
inline constexpr std::array<ButtonEvent, 4> kRightDoubleClick{{
    {MouseButton::Right, true}, {MouseButton::Right, false}, {MouseButton::Right, true}, {MouseButton::Right, false}}};

// Indexed by ClickKind 0..3: left single, left double, right single, right double.
inline constexpr std::array<std::span<const ButtonEvent>, 4> kClickSequences{
    kLeftSingleClick, kLeftDoubleClick, kRightSingleClick, kRightDoubleClick};

// The button events of a click kind, in order; a kind outside 0..3 clicks
// like 0 (the click-kind list gives -1 when nothing is selected).
constexpr std::span<const ButtonEvent> ClickSequence(ClickKind kind) {
  return kind >= 0 && kind < static_cast<ClickKind>(kClickSequences.size())
             ? kClickSequences[static_cast<std::size_t>(kind)]
             : kClickSequences[0];
}

}  // namespace ondrave
