// Catching the X errors of a run of requests, so that a refused request is
// a result the caller handles instead of Xlib's default handler ending the
// process.
#pragma once

#include <X11/Xlib.h>

namespace ondrave::x11 {

// While a trap lives, errors of its display are counted instead of handled
// by the previous handler; errors of other displays still go there. One
// trap at a time (everything runs on the user-interface thread).
class ErrorTrap {
 public:
  // Syncs first, so that errors of earlier requests still reach the
  // previous handler and only the requests made from now on are trapped.
  explicit ErrorTrap(Display* display);
  // Syncs again, then restores the previous handler.
  ~ErrorTrap();
  ErrorTrap(const ErrorTrap&) = delete;
  ErrorTrap& operator=(const ErrorTrap&) = delete;

  // Waits until the server has answered every request made so far and
  // tells whether any of the trapped ones failed.
  bool Failed();

 private:
  Display* display_;
  XErrorHandler previous_;
};

}  // namespace ondrave::x11
