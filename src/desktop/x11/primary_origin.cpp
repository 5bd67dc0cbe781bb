#include "desktop/x11/primary_origin.h"

#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "desktop/x11/error_trap.h"

namespace ondrave::x11 {
namespace {

RRCrtc CrtcOfPrimaryOutput(Display* display, Window root, XRRScreenResources* resources) {
  const RROutput primary = XRRGetOutputPrimary(display, root);
  if (primary == None) return None;
  XRROutputInfo* output = XRRGetOutputInfo(display, resources, primary);
  if (output == nullptr) return None;
  const RRCrtc crtc = output->crtc;
  XRRFreeOutputInfo(output);
  return crtc;
}

std::vector<CrtcPlacement> ReadCrtcs(Display* display, Window root, XRRScreenResources* resources) {
  const RRCrtc primaryCrtc = CrtcOfPrimaryOutput(display, root, resources);
  std::vector<CrtcPlacement> crtcs;
  for (int i = 0; i < resources->ncrtc; ++i) {
    XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
    if (info == nullptr) continue;
    crtcs.push_back({{info->x, info->y}, info->mode != None, resources->crtcs[i] == primaryCrtc});
    XRRFreeCrtcInfo(info);
  }
  return crtcs;
}

}  // namespace

RootPoint ChooseOrigin(const std::vector<CrtcPlacement>& crtcs) {
  const auto primary = std::find_if(crtcs.begin(), crtcs.end(),
                                    [](const CrtcPlacement& crtc) { return crtc.active && crtc.primary; });
  if (primary != crtcs.end()) return primary->topLeft;
  const auto first = std::find_if(crtcs.begin(), crtcs.end(), [](const CrtcPlacement& crtc) { return crtc.active; });
  if (first != crtcs.end()) return first->topLeft;
  return {};
}

std::optional<RootPoint> ReadPrimaryOrigin(Display* display, Window root) {
  // The layout can change between the requests; a vanished output or CRTC
  // then answers with an error, which must not end the program.
  ErrorTrap trap(display);
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
  if (resources == nullptr) return std::nullopt;
  const std::vector<CrtcPlacement> crtcs = ReadCrtcs(display, root, resources);
  XRRFreeScreenResources(resources);
  if (trap.Failed()) return std::nullopt;
  return ChooseOrigin(crtcs);
}

}  // namespace ondrave::x11
