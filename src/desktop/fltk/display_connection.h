// The program's one connection to the X server, shared with the toolkit.
#pragma once

#include <X11/Xlib.h>

namespace ondrave::fltk {

// Opens the display named by the environment and hands it to the toolkit.
// Without a display the process ends through FatalError. Losing the
// connection later ends the process at once with kFatalExitCode, without a
// core dump and without running exit handlers that would talk to the dead
// connection.
Display* OpenDisplay();

}  // namespace ondrave::fltk
