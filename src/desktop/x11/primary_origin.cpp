#include "desktop/x11/primary_origin.h"

#include <X11/extensions/Xrandr.h>

#include <algorithm>

namespace ondrave::x11 {

RootPoint ChooseOrigin(const std::vector<MonitorPlacement>& monitors) {
  const auto primary = std::find_if(monitors.begin(), monitors.end(),
                                    [](const MonitorPlacement& monitor) { return monitor.primary; });
  if (primary != monitors.end()) return primary->topLeft;
  if (!monitors.empty()) return monitors.front().topLeft;
  return {};
}

std::optional<RootPoint> ReadPrimaryOrigin(Display* display, Window root) {
  // An older server would answer the monitor request with an error that
  // ends the program; the version is asked once and then remembered by Xlib.
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor) ||
      major < 1 || (major == 1 && minor < 5)) {
    return std::nullopt;
  }
  int count = 0;
  XRRMonitorInfo* list = XRRGetMonitors(display, root, True, &count);
  if (list == nullptr) return std::nullopt;
  std::vector<MonitorPlacement> monitors;
  for (int i = 0; i < count; ++i) monitors.push_back({{list[i].x, list[i].y}, list[i].primary != 0});
  XRRFreeMonitors(list);
  return ChooseOrigin(monitors);
}

}  // namespace ondrave::x11
