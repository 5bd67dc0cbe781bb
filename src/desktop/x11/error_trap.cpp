#include "desktop/x11/error_trap.h"

namespace ondrave::x11 {
namespace {

// Xlib's error handler is one per process, so the trap's state is too.
Display* trappedDisplay = nullptr;
int trappedErrors = 0;
XErrorHandler handlerBeforeTrap = nullptr;

int CountError(Display* display, XErrorEvent* error) {
  if (display != trappedDisplay) return handlerBeforeTrap ? handlerBeforeTrap(display, error) : 0;
  ++trappedErrors;
  return 0;
}

}  // namespace

ErrorTrap::ErrorTrap(Display* display) : display_(display) {
  XSync(display_, False);
  trappedDisplay = display_;
  trappedErrors = 0;
  previous_ = XSetErrorHandler(CountError);
  handlerBeforeTrap = previous_;
}

ErrorTrap::~ErrorTrap() {
  XSync(display_, False);
  XSetErrorHandler(previous_);
  trappedDisplay = nullptr;
  handlerBeforeTrap = nullptr;
}

bool ErrorTrap::Failed() {
  XSync(display_, False);
  return trappedErrors != 0;
}

}  // namespace ondrave::x11
