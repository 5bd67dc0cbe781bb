// The primary monitor's rectangle on the root window, where the program
// centres its windows.
#pragma once

// Before any X header: X.h defines None as a macro, which the control
// table's event names would otherwise collide with.
#include "desktop/fltk/frame_geometry.h"

#include <X11/Xlib.h>

namespace ondrave::fltk {

// The monitor whose top-left is the origin of the program's screen
// coordinates (the one the clicks are measured from): RandR's primary
// output, else the first active one; without RandR, the whole screen.
Rect PrimaryMonitorArea(Display* display);

}  // namespace ondrave::fltk
