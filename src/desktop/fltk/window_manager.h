// What the program asks of the window manager (EWMH), and how it copes
// when there is none.
#pragma once

// Before any X header: X.h defines None as a macro, which the control
// table's event names would otherwise collide with.
#include "desktop/fltk/frame_geometry.h"

#include <X11/Xlib.h>

#include <optional>

class Fl_Window;

namespace ondrave::fltk {

// Whether an EWMH window manager runs on the display now.
bool WindowManagerRunning(Display* display);

// The frame the window manager has put around a client window, or nothing
// while it has not told (or when there is no window manager).
std::optional<FrameExtents> ReadFrameExtents(Display* display, Window client);

// Asks that the window stay above all others (_NET_WM_STATE_ABOVE), or no
// longer. `justShown`: the window has only now been mapped, so the state is
// also written into the property, where a window manager that has not yet
// managed the window reads it.
void KeepAbove(Display* display, Window client, bool above, bool justShown);

// Lets PropertyNotify events of the window reach the program, keeping the
// events the toolkit selected.
void WatchProperties(Display* display, Window client);

// Without a window manager nobody gives a newly shown window the keyboard
// focus; this does, right after show(). With one, it does nothing: the
// window manager decides.
void FocusWhenUnmanaged(Fl_Window& window);

// The window that has the keyboard focus now (for FocusBackWhenUnmanaged).
Window FocusedWindow(Display* display);

// Without a window manager a closed window hands the focus to the root,
// not to the window that had it before; this gives it back to `previous`
// when nothing else took it meanwhile. With a window manager it does nothing.
void FocusBackWhenUnmanaged(Display* display, Window previous);

}  // namespace ondrave::fltk
