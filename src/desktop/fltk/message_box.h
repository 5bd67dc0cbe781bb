// Message boxes of the program's own: the caption "信息：", the text with
// its line breaks, OK or Yes/No, a stop sign on request. A box has no owner
// and is not modal: while it waits, the main window, its timers and the
// hotkeys go on working, and their handlers run nested inside the waiting one.
#pragma once

#include <cstdint>
#include <string_view>

#include "desktop/services.h"

namespace ondrave::fltk {

// Shows a box and waits for its answer. `style` is a Win32 MessageBox style
// word: 0x4 asks Yes/No (else OK only), 0x10 shows the stop sign, 0x1000
// keeps the box above every other window. Gives kResultOk for OK, Esc and
// the close box; kResultYes or kResultNo; and kResultOk for a box taken away
// by CloseMessageBoxes.
MessageResult ShowMessageBox(std::string_view text, std::uint32_t style);

// How many boxes wait now, nested ones each counted.
int OpenMessageBoxes();

// Takes every open box away, as when the program's window closes: each
// waiting ShowMessageBox returns kResultOk.
void CloseMessageBoxes();

}  // namespace ondrave::fltk
