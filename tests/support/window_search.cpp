#include <X11/Xatom.h>

#include <string>

#include "caught_errors.h"
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

struct TitleAtoms {
  Atom netWmName;
  Atom utf8String;
};

std::optional<std::string> TitleOf(Display* display, Window window, const TitleAtoms& atoms) {
  if (auto title = TextProperty(display, window, atoms.netWmName, atoms.utf8String)) return title;
  return TextProperty(display, window, XA_WM_NAME, XA_STRING);
}

Window Search(Display* display, Window window, std::string_view title, const TitleAtoms& atoms) {
  if (TitleOf(display, window, atoms) == title) return window;
  Window root = None, parent = None;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return None;
  Window found = None;
  for (unsigned int i = 0; i < count && found == None; ++i) found = Search(display, children[i], title, atoms);
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

Window FindWindowByTitle(Display* display, std::string_view title) {
  // Windows come and go while the tree is walked; a vanished one answers
  // BadWindow and is simply not found.
  CaughtErrors vanished(display);
  const TitleAtoms atoms{XInternAtom(display, "_NET_WM_NAME", False), XInternAtom(display, "UTF8_STRING", False)};
  return Search(display, DefaultRootWindow(display), title, atoms);
}

}  // namespace ondrave::testing
