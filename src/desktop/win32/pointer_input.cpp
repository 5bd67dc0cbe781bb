#include "desktop/win32/pointer_input.h"

#include <array>
#include <span>

namespace ondrave::win32 {
namespace {

struct ClickEvents {
  std::array<DWORD, 4> flags;
  std::size_t count;
};

// Button events of each click kind, in order; index = ClickKind.
constexpr std::array<ClickEvents, 4> kClickEvents{{
    {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}, 2},
    {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}, 4},
    {{MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}, 2},
    {{MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}, 4},
}};

const ClickEvents& EventsOf(ClickKind kind) {
  // Every kind not in the table clicks like a left single click.
  if (kind < 0 || kind >= static_cast<ClickKind>(kClickEvents.size())) return kClickEvents[0];
  return kClickEvents[static_cast<std::size_t>(kind)];
}

}  // namespace

POINT PointerInput::Read() {
  POINT p;
  if (GetCursorPos(&p)) lastKnown_ = p;
  return lastKnown_;
}

std::int32_t PointerInput::PointerX() { return Read().x; }
std::int32_t PointerInput::PointerY() { return Read().y; }

void PointerInput::SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind) {
  // The system keeps the pointer on the screen; the buttons then act where
  // it ended up, so a refused move needs no handling of its own.
  SetCursorPos(x, y);
  const ClickEvents& events = EventsOf(kind);
  // Without MOUSEEVENTF_MOVE and MOUSEEVENTF_ABSOLUTE the system ignores dx
  // and dy: every button event happens where the pointer is.
  for (DWORD flag : std::span(events.flags).first(events.count))
    mouse_event(flag, static_cast<DWORD>(x), static_cast<DWORD>(y), 0, 0);
}

}  // namespace ondrave::win32
