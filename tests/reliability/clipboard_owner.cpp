#include "clipboard_owner.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <stdexcept>

namespace ondrave::testing {

ClipboardOwner::ClipboardOwner(const std::string& displayName) {
  Display* display = XOpenDisplay(displayName.c_str());
  if (display == nullptr) throw std::runtime_error("the clipboard owner cannot connect to " + displayName);
  connection_.reset(display);
  // Selections need a window to own them; it is never mapped.
  window_ = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  clipboard_ = XInternAtom(display, "CLIPBOARD", False);
  targets_ = XInternAtom(display, "TARGETS", False);
  utf8String_ = XInternAtom(display, "UTF8_STRING", False);
  text_ = XInternAtom(display, "TEXT", False);
}

ClipboardOwner::~ClipboardOwner() { XDestroyWindow(connection_.get(), window_); }

void ClipboardOwner::Offer(std::string bytes) {
  bytes_ = std::move(bytes);
  Display* display = connection_.get();
  XSetSelectionOwner(display, clipboard_, window_, CurrentTime);
  XSync(display, False);
  if (XGetSelectionOwner(display, clipboard_) != window_) throw std::runtime_error("could not own CLIPBOARD");
}

bool ClipboardOwner::Answer(const XSelectionRequestEvent& request) {
  Display* display = connection_.get();
  XSelectionEvent reply{};
  reply.type = SelectionNotify;
  reply.requestor = request.requestor;
  reply.selection = request.selection;
  reply.target = request.target;
  reply.time = request.time;
  // A requestor of the old kind names no property: the target is the property then.
  reply.property = request.property != None ? request.property : request.target;
  bool handedOut = false;
  if (request.target == targets_) {
    const Atom offered[] = {targets_, utf8String_, text_, XA_STRING};
    XChangeProperty(display, request.requestor, reply.property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(offered), sizeof offered / sizeof offered[0]);
  } else if (request.target == utf8String_ || request.target == text_ || request.target == XA_STRING) {
    XChangeProperty(display, request.requestor, reply.property, utf8String_, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(bytes_.data()), static_cast<int>(bytes_.size()));
    handedOut = true;
  } else {
    reply.property = None;  // refused
  }
  XSendEvent(display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
  XFlush(display);
  return handedOut;
}

bool ClipboardOwner::ServeUntilPasted(std::chrono::milliseconds timeout, std::chrono::milliseconds settle) {
  Display* display = connection_.get();
  const auto start = std::chrono::steady_clock::now();
  auto deadline = start + timeout;
  bool handedOut = false;
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == SelectionRequest && Answer(event.xselectionrequest) && !handedOut) {
        handedOut = true;
        deadline = std::chrono::steady_clock::now() + settle;
      }
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd ready{ConnectionNumber(display), POLLIN, 0};
    poll(&ready, 1, static_cast<int>(left.count()));
  }
  return handedOut;
}

}  // namespace ondrave::testing
