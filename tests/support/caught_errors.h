// Inside the support library: X errors of one display caught instead of
// ending the test process, for requests that may fail on purpose (a grab
// another client holds, a window destroyed while it is searched).
#pragma once

#include <X11/Xlib.h>

namespace ondrave::testing {

class CaughtErrors {
 public:
  // Syncs first, so that only errors of the requests made from now on are caught.
  explicit CaughtErrors(Display* display);
  // Syncs, then restores the previous handler.
  ~CaughtErrors();
  CaughtErrors(const CaughtErrors&) = delete;
  CaughtErrors& operator=(const CaughtErrors&) = delete;

  // Syncs and tells whether an error with this code has been caught.
  bool Caught(unsigned char errorCode);

 private:
  Display* display_;
  XErrorHandler previous_;
};

}  // namespace ondrave::testing
