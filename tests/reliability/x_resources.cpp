#include "x_resources.h"

#include <X11/extensions/XRes.h>

#include <numeric>
#include <sstream>

namespace ondrave::testing {
namespace {

// The resource base of the client connected from `pid`.
std::optional<XID> ClientOfProcess(Display* display, pid_t pid) {
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XResQueryExtension(display, &eventBase, &errorBase) || !XResQueryVersion(display, &major, &minor) ||
      (major == 1 && minor < 2))
    return std::nullopt;
  XResClientIdSpec everyClient{0, XRES_CLIENT_ID_PID_MASK};
  long count = 0;
  XResClientIdValue* ids = nullptr;
  if (XResQueryClientIds(display, 1, &everyClient, &count, &ids) != Success) return std::nullopt;
  std::optional<XID> client;
  for (long i = 0; i < count && !client; ++i) {
    if (XResGetClientPid(&ids[i]) == pid) client = ids[i].spec.client;
  }
  XResClientIdsDestroy(count, ids);
  return client;
}

}  // namespace

long ClientResources::Total() const {
  return std::accumulate(countByType.begin(), countByType.end(), 0L,
                         [](long sum, const auto& entry) { return sum + entry.second; });
}

std::string ClientResources::Describe() const {
  std::ostringstream text;
  const char* separator = "";
  for (const auto& [type, count] : countByType) {
    text << separator << type << " " << count;
    separator = ", ";
  }
  text << "; pixmaps " << pixmapBytes << " bytes";
  return text.str();
}

std::optional<ClientResources> ResourcesOfProcess(Display* display, pid_t pid) {
  const std::optional<XID> client = ClientOfProcess(display, pid);
  if (!client) return std::nullopt;
  int typeCount = 0;
  XResType* types = nullptr;
  if (!XResQueryClientResources(display, *client, &typeCount, &types)) return std::nullopt;
  ClientResources resources;
  for (int i = 0; i < typeCount; ++i) {
    char* name = XGetAtomName(display, types[i].resource_type);
    resources.countByType[name ? name : "?"] = types[i].count;
    if (name) XFree(name);
  }
  if (types) XFree(types);
  XResQueryClientPixmapBytes(display, *client, &resources.pixmapBytes);
  return resources;
}

}  // namespace ondrave::testing
