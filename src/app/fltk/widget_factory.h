// One widget per row of the control table, made by the row's kind.
#pragma once

#include "app/fltk/control_widget.h"

class Fl_Widget;

namespace ondrave::fltk {

// The widget of a row, placed at its rectangle; none for a timer, which
// has no face on the screen.
Fl_Widget* MakeWidget(const ControlRow& entry, ControlHost& host);

}  // namespace ondrave::fltk
