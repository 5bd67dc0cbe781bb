// The application's icon: a white pointer clicking on a blue tile, with
// rings spreading from its tip.
#pragma once

#include <FL/Fl_RGB_Image.H>

namespace ondrave::fltk {

// Drawn once, at the first call, kept for the rest of the run.
const Fl_RGB_Image& ApplicationIcon();

}  // namespace ondrave::fltk
