#include "desktop/fatal_error.h"

// The control table's headers come before any X header (X.h defines None).
#include "desktop/fltk/chinese_font.h"
#include "desktop/fltk/message_box.h"

#include <FL/x.H>

#include <cstdio>
#include <cstdlib>

namespace ondrave {

[[noreturn]] void FatalError(std::string_view what) {
  // First of all: nothing that arrives while the box waits may run a handler.
  StopEvents();
  std::fprintf(stderr, "ondrave-clicker: %.*s\n", static_cast<int>(what.size()), what.data());
  // Without a display there is nobody to show a box to; standard error is all.
  if (fl_display != nullptr) {
    fltk::UseChineseFont();
    fltk::ShowMessageBox(what, kStyleStop);
  }
  std::exit(kFatalExitCode);
}

}  // namespace ondrave
