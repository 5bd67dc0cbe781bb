// Start-up and the message loop of the program on Linux.
#include "app/fltk/keyboard_dispatch.h"
#include "app/fltk/linux_desktop.h"
#include "app/fltk/main_window.h"
#include "clicker/controller.h"
#include "desktop/fatal_error.h"
#include "desktop/fltk/chinese_font.h"
#include "desktop/fltk/display_connection.h"

#include <FL/Fl.H>

#include <new>
#include <string>

namespace {

// Memory that cannot be had ends the program through FatalError, which
// still tells the user, rather than by an uncaught exception.
void OutOfMemory() {
  // Telling the user needs memory too: should that fail as well, the
  // allocation throws and the program ends without the box.
  std::set_new_handler(nullptr);
  ondrave::FatalError("内存不足。\nOut of memory.");
}

struct XEventSinks {
  ondrave::fltk::LinuxDesktop& desktop;
  ondrave::fltk::MainWindow& window;
};

// A key grab (every hotkey press is one, held for as long as the key is
// down) tells the focused window that it lost the focus and then that it
// has it again. The focus never moved: the toolkit must not take it from
// the focused control, which would raise its LostFocus on every hotkey.
bool IsFocusChangeOfAGrab(const XEvent& event) {
  return (event.type == FocusIn || event.type == FocusOut) &&
         (event.xfocus.mode == NotifyGrab || event.xfocus.mode == NotifyUngrab);
}

// Every X event passes here before the toolkit sees it: hotkey presses are
// taken out, monitor and frame changes followed.
int OfferXEvent(void* event, void* data) {
  const auto& xEvent = *static_cast<const XEvent*>(event);
  if (IsFocusChangeOfAGrab(xEvent)) return 1;
  auto* sinks = static_cast<XEventSinks*>(data);
  const bool consumed = sinks->desktop.HandleXEvent(xEvent);
  sinks->window.HandleXEvent(xEvent);
  return consumed ? 1 : 0;
}

}  // namespace

int main() {
  using namespace ondrave;
  std::set_new_handler(OutOfMemory);
  // Every window of the program, message boxes included, carries the class.
  Fl_Window::default_xclass(std::string(kMainWindow.windowClass).c_str());
  Display* display = fltk::OpenDisplay();
  if (const auto why = x11::Input::Unavailable(display)) FatalError(*why);
  fltk::UseChineseFont();

  fltk::MainWindow window;
  fltk::LinuxDesktop desktop(window, display);
  XEventSinks sinks{desktop, window};
  Fl::add_system_handler(OfferXEvent, &sinks);
  fltk::ApplyKeyboardRules(window);

  Controller controller(window, desktop);
  window.SetEventHandler(controller);
  window.RaiseCreated();
  // The Created handler may have closed the window: then nothing is shown.
  if (window.Closed()) return 0;
  window.ShowCentred();
  // Not Fl::run(), which would end while the window is hidden by its hotkey.
  while (!window.Closed()) Fl::wait(1e20);
  return 0;
}
