// The program's message boxes: caption "信息：", no owner window.
#pragma once

#include <cstdint>
#include <string_view>

#include "desktop/services.h"

namespace ondrave::win32 {

// Shows `text` with the MessageBox style bits `style` and waits for the user;
// the box's modal loop goes on dispatching the thread's messages meanwhile.
MessageResult ShowMessage(std::string_view text, std::uint32_t style);

}  // namespace ondrave::win32
