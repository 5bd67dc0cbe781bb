#include "app/win32/message_loop.h"

#include "app/win32/failure_texts.h"
#include "desktop/fatal_error.h"

namespace ondrave::win32 {

void RunMessageLoop(MainWindow& window) {
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return;
    // Without its messages the window can do nothing more.
    if (got == -1) FatalError(text::kNoMessages);
    if (window.ApplyKeyboardRules(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace ondrave::win32
