// The pointer and synthesised clicks, in virtual-screen coordinates.
#pragma once

#include <windows.h>

#include <cstdint>

#include "desktop/services.h"

namespace ondrave::win32 {

class PointerInput {
 public:
  // Each call reads the position afresh.
  std::int32_t PointerX();
  std::int32_t PointerY();

  // Moves the pointer to (x, y) and injects the button events of `kind`
  // there, back to back; the pointer stays at (x, y).
  void SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind);

 private:
  POINT Read();
  // When the system cannot report the pointer (another desktop has the
  // input), the last position read stands in, so that a click never jumps
  // to a corner of the screen.
  POINT lastKnown_{0, 0};
};

}  // namespace ondrave::win32
