#include "desktop/fltk/display_connection.h"

#include <FL/x.H>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <string>

#include "desktop/fatal_error.h"

namespace ondrave::fltk {
namespace {

int ConnectionLost(Display*) {
  // Only async-signal-safe calls: Xlib is in an undefined state here.
  static constexpr char kText[] =
      "ondrave-clicker: 与 X 服务器的连接已断开 (the connection to the X server was lost)\n";
  const ssize_t written = write(STDERR_FILENO, kText, sizeof kText - 1);
  static_cast<void>(written);  // nothing is left to tell a failed write to
  _exit(kFatalExitCode);
}

}  // namespace

Display* OpenDisplay() {
  // A write to a dead connection must end the program through
  // ConnectionLost with its exit code, not silently by SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    const char* name = XDisplayName(nullptr);
    FatalError(std::string("无法连接到 X 显示 \"") + (name ? name : "") +
               "\"。\nCannot open the X display \"" + (name ? name : "") + "\".");
  }
  fl_open_display(display);
  // After the toolkit's own, which calls exit() from inside Xlib.
  XSetIOErrorHandler(ConnectionLost);
  return display;
}

}  // namespace ondrave::fltk
