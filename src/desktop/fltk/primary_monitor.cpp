#include "desktop/fltk/primary_monitor.h"

#include <FL/Fl.H>

#include "desktop/x11/primary_origin.h"

namespace ondrave::fltk {

Rect PrimaryMonitorArea(Display* display) {
  const x11::RootPoint origin =
      x11::ReadPrimaryOrigin(display, DefaultRootWindow(display)).value_or(x11::RootPoint{});
  // The toolkit knows the monitors' sizes; the origin picks which of them.
  Rect area;
  Fl::screen_xywh(area.x, area.y, area.w, area.h, Fl::screen_num(origin.x, origin.y));
  return area;
}

}  // namespace ondrave::fltk
