// xtest-click X Y [BUTTON]: moves the pointer to (X, Y) on the root window
// of $DISPLAY and clicks BUTTON (1 left, the default; 3 right) there.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool ParseInt(const char* text, int& value) {
  char* end = nullptr;
  const long parsed = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || parsed < -32768 || parsed > 32767) return false;
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int x = 0, y = 0, button = 1;
  if ((argc != 3 && argc != 4) || !ParseInt(argv[1], x) || !ParseInt(argv[2], y) ||
      (argc == 4 && (!ParseInt(argv[3], button) || button < 1 || button > 9))) {
    std::fprintf(stderr, "usage: xtest-click X Y [BUTTON]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "xtest-click: cannot open the display\n");
    return 1;
  }
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
    std::fprintf(stderr, "xtest-click: the display has no XTest extension\n");
    return 1;
  }
  XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
  XTestFakeButtonEvent(display, static_cast<unsigned>(button), True, CurrentTime);
  XTestFakeButtonEvent(display, static_cast<unsigned>(button), False, CurrentTime);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
