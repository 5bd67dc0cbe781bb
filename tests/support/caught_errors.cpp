#include "caught_errors.h"

#include <bitset>

namespace ondrave::testing {
namespace {

Display* caughtDisplay = nullptr;
std::bitset<256> caughtCodes;
XErrorHandler handlerBefore = nullptr;

int Catch(Display* display, XErrorEvent* error) {
  if (display != caughtDisplay) return handlerBefore != nullptr ? handlerBefore(display, error) : 0;
  caughtCodes.set(error->error_code);
  return 0;
}

}  // namespace

CaughtErrors::CaughtErrors(Display* display) : display_(display) {
  XSync(display_, False);
  caughtDisplay = display_;
  caughtCodes.reset();
  previous_ = XSetErrorHandler(Catch);
  handlerBefore = previous_;
}

CaughtErrors::~CaughtErrors() {
  XSync(display_, False);
  XSetErrorHandler(previous_);
  caughtDisplay = nullptr;
  handlerBefore = nullptr;
}

bool CaughtErrors::Caught(unsigned char errorCode) {
  XSync(display_, False);
  return caughtCodes.test(errorCode);
}

}  // namespace ondrave::testing
