#include "desktop/fltk/window_manager.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>
#include <X11/Xatom.h>

#include <algorithm>
#include <vector>

#include "desktop/x11/error_trap.h"

namespace ondrave::fltk {
namespace {

// The values of a 32-bit property of the given type, empty when it is absent.
std::vector<long> ReadLongs(Display* display, Window window, const char* name, Atom type) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::vector<long> values;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 64, False, type, &actualType,
                         &format, &count, &remaining, &data) == Success &&
      actualType == type && format == 32 && data != nullptr) {
    const long* longs = reinterpret_cast<const long*>(data);
    values.assign(longs, longs + count);
  }
  if (data != nullptr) XFree(data);
  return values;
}

// _NET_WM_STATE: what the property says when the window is mapped, and
// what a client message asks of a window manager that manages it already.
constexpr long kStateRemove = 0;
constexpr long kStateAdd = 1;
constexpr long kSourceApplication = 1;

void WriteAboveIntoProperty(Display* display, Window client, Atom state, Atom above, bool on) {
  std::vector<long> atoms = ReadLongs(display, client, "_NET_WM_STATE", XA_ATOM);
  atoms.erase(std::remove(atoms.begin(), atoms.end(), static_cast<long>(above)), atoms.end());
  if (on) atoms.push_back(static_cast<long>(above));
  XChangeProperty(display, client, state, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
}

}  // namespace

bool WindowManagerRunning(Display* display) {
  // The check window names itself, so a window manager that died and left
  // the root's property behind is not taken for a running one.
  x11::ErrorTrap trap(display);
  const std::vector<long> check =
      ReadLongs(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  if (check.empty()) return false;
  const std::vector<long> self =
      ReadLongs(display, static_cast<Window>(check[0]), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  return !trap.Failed() && !self.empty() && self[0] == check[0];
}

std::optional<FrameExtents> ReadFrameExtents(Display* display, Window client) {
  const std::vector<long> sides = ReadLongs(display, client, "_NET_FRAME_EXTENTS", XA_CARDINAL);
  if (sides.size() < 4) return std::nullopt;
  return FrameExtents{static_cast<int>(sides[0]), static_cast<int>(sides[1]), static_cast<int>(sides[2]),
                      static_cast<int>(sides[3])};
}

void KeepAbove(Display* display, Window client, bool above, bool justShown) {
  const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom aboveAtom = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
  if (justShown) WriteAboveIntoProperty(display, client, state, aboveAtom, above);
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = client;
  message.xclient.message_type = state;
  message.xclient.format = 32;
  message.xclient.data.l[0] = above ? kStateAdd : kStateRemove;
  message.xclient.data.l[1] = static_cast<long>(aboveAtom);
  message.xclient.data.l[2] = 0;
  message.xclient.data.l[3] = kSourceApplication;
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &message);
  XFlush(display);
}

void WatchProperties(Display* display, Window client) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, client, &attributes)) return;
  XSelectInput(display, client, attributes.your_event_mask | PropertyChangeMask);
}

void FocusWhenUnmanaged(Fl_Window& window) {
  if (!window.shown() || WindowManagerRunning(fl_display)) return;
  // Without a window manager nothing redirects the map: the server has
  // mapped the window by the time it reaches this request, so there is no
  // need to wait for it. A refusal all the same is caught and changes nothing.
  x11::ErrorTrap trap(fl_display);
  XSetInputFocus(fl_display, fl_xid(&window), RevertToParent, CurrentTime);
}

Window FocusedWindow(Display* display) {
  Window focused = None;
  int revertTo = 0;
  XGetInputFocus(display, &focused, &revertTo);
  return focused;
}

void FocusBackWhenUnmanaged(Display* display, Window previous) {
  if (previous == None || previous == PointerRoot || WindowManagerRunning(display)) return;
  const Window now = FocusedWindow(display);
  if (now != None && now != PointerRoot && now != DefaultRootWindow(display)) return;
  // The previous window may be gone or unmapped by now: then it keeps none.
  x11::ErrorTrap trap(display);
  XSetInputFocus(display, previous, RevertToParent, CurrentTime);
}

}  // namespace ondrave::fltk
