// Start-up of the Windows program: the window is built hidden, its Created
// event runs, then it is shown and the message loop runs until it closes.
#include <windows.h>

#include <new>

#include "app/win32/failure_texts.h"
#include "app/win32/main_window.h"
#include "app/win32/message_loop.h"
#include "clicker/controller.h"
#include "desktop/fatal_error.h"
#include "desktop/win32/win32_desktop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace ondrave;
  try {
    win32::MainWindow window(instance);
    win32::Win32Desktop desktop(window);
    Controller controller(window, desktop);
    window.Create(controller);
    window.RaiseCreated();
    // The Created handler may have closed the window: then nothing is shown.
    if (window.Exists()) {
      window.Show();
      win32::RunMessageLoop(window);
    }
  } catch (const std::bad_alloc&) {
    FatalError(win32::text::kOutOfMemory);
  }
  return 0;
}
