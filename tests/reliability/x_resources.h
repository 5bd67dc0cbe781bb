// What an X client holds on the server, counted by the X-Resource
// extension as xrestop shows it: windows, pixmaps, graphics contexts,
// fonts, cursors and the rest, per type, and the bytes of its pixmaps.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <map>
#include <optional>
#include <string>

namespace ondrave::testing {

struct ClientResources {
  std::map<std::string, long> countByType;  // "WINDOW", "PIXMAP", "GC", ...
  unsigned long pixmapBytes = 0;

  long Total() const;
  // "WINDOW 5, PIXMAP 3, ...; pixmaps 123456 bytes"
  std::string Describe() const;
};

// The resources of the client connected from process `pid`; nothing when
// no client of that process is connected or the server has no X-Resource
// extension (version 1.2, which tells the process of a client).
std::optional<ClientResources> ResourcesOfProcess(Display* display, pid_t pid);

}  // namespace ondrave::testing
