#include <X11/Xatom.h>

#include <string>

#include "x11_test_support.h"

namespace ondrave::testing {
namespace {

std::optional<std::string> TextProperty(Display* display, Window window, Atom property, Atom type) {
  Atom actualType = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType, &format, &count,
                                        &after, &data);
  std::optional<std::string> text;
  if (status == Success && actualType == type && format == 8 && data != nullptr) {
    text.emplace(reinterpret_cast<const char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  return text;
}

std::optional<std::string> TitleOf(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  if (auto title = TextProperty(display, window, netName, utf8)) return title;
  return TextProperty(display, window, XA_WM_NAME, XA_STRING);
}

Window Search(Display* display, Window window, std::string_view title) {
  if (TitleOf(display, window) == title) return window;
  Window root = None, parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  // A window destroyed meanwhile simply has no children to search.
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return None;
  Window found = None;
  for (unsigned int i = 0; i < count && found == None; ++i) found = Search(display, children[i], title);
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

Window FindWindowByTitle(Display* display, std::string_view title) {
  return Search(display, DefaultRootWindow(display), title);
}

}  // namespace ondrave::testing
