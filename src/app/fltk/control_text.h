// Drawing a control's caption: its lines, aligned in the control and cut
// off at its edges, as a child window's drawing is.
#pragma once

#include <FL/Enumerations.H>

#include <string>
#include <string_view>
#include <vector>

#include "app/window_table.h"
#include "desktop/fltk/frame_geometry.h"

namespace ondrave::fltk {

enum class Across { Left, Centre };
enum class Down { Top, Centre };

// Sets the program's face for measuring and drawing.
void UseControlFont();

// The width of a text in the current face.
double TextWidth(std::string_view text);

// The lines of a caption broken to fit `width`, in the program's face.
std::vector<std::string> WrapCaption(std::string_view caption, int width);

// Draws the lines in `colour`, placed in `layout` as asked, clipped to `clip`.
void DrawLines(const std::vector<std::string>& lines, Rect layout, Across across, Down down, Fl_Color colour,
               Rect clip);

Fl_Color ToFlColor(Rgb colour);

}  // namespace ondrave::fltk
