// The face every control and message box draws with: one that covers
// Simplified Chinese, so that no text of the program shows as boxes.
#pragma once

#include <string>

namespace ondrave::fltk {

// The size of the program's texts, in pixels.
inline constexpr int kTextSize = 12;

// Makes the toolkit's default face (FL_HELVETICA, which every widget starts
// with) a face that covers zh-cn and the default size kTextSize. Returns the
// family chosen, or an empty string when fontconfig knows no such face: the
// toolkit's own face is kept then, and the program still runs. Call it after
// the display is open and before any widget is made.
std::string UseChineseFont();

}  // namespace ondrave::fltk
