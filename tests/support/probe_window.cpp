#include <algorithm>
#include <stdexcept>

#include "x11_test_support.h"

namespace ondrave::testing {

ProbeWindow::ProbeWindow(const std::string& displayName, std::optional<ScreenRect> area) {
  Display* display = XOpenDisplay(displayName.c_str());
  if (display == nullptr) throw std::runtime_error("the probe window cannot connect to " + displayName);
  connection_.reset(display);
  const int screen = DefaultScreen(display);
  const ScreenRect rect = area.value_or(ScreenRect{0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)});

  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = BlackPixel(display, screen);
  attributes.event_mask = ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
  window_ = XCreateWindow(display, DefaultRootWindow(display), rect.x, rect.y, static_cast<unsigned>(rect.width),
                          static_cast<unsigned>(rect.height), 0, CopyFromParent, InputOutput, CopyFromParent,
                          CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
  XMapRaised(display, window_);
  const bool viewable = WaitUntil([&] {
    XWindowAttributes state{};
    return XGetWindowAttributes(display, window_, &state) && state.map_state == IsViewable;
  });
  if (!viewable) throw std::runtime_error("the probe window did not become viewable");
}

ProbeWindow::~ProbeWindow() {
  if (window_ != None) XDestroyWindow(connection_.get(), window_);
}

void ProbeWindow::Collect() {
  Display* display = connection_.get();
  // The round trip brings in every event the server has sent before it.
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == ButtonPress || event.type == ButtonRelease) {
      records_.push_back({event.xbutton.button, event.type == ButtonPress, event.xbutton.x_root,
                          event.xbutton.y_root, event.xbutton.time});
    }
  }
}

bool ProbeWindow::WaitForRecords(std::size_t count, std::chrono::milliseconds timeout) {
  return WaitUntil(
      [&] {
        Collect();
        return records_.size() >= count;
      },
      timeout);
}

int ProbeWindow::Presses(unsigned int button) const {
  return static_cast<int>(std::count_if(records_.begin(), records_.end(), [&](const ButtonRecord& record) {
    return record.press && record.button == button;
  }));
}

int ProbeWindow::Releases(unsigned int button) const {
  return static_cast<int>(std::count_if(records_.begin(), records_.end(), [&](const ButtonRecord& record) {
    return !record.press && record.button == button;
  }));
}

}  // namespace ondrave::testing
