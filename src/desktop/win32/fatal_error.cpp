// Ending the process when a service cannot go on.
#include "desktop/fatal_error.h"

#include <windows.h>

#include <cstdio>
#include <new>
#include <string>

#include "app/window_table.h"
#include "desktop/win32/wide_text.h"

namespace ondrave {
namespace {

// Shown when even the message cannot be converted: memory has run out.
constexpr wchar_t kNoMemoryForMessage[] = L"内存不足，程序无法继续运行。";

}  // namespace

[[noreturn]] void FatalError(std::string_view what) {
  // First, so that nothing runs nested inside the box below.
  StopEvents();
  std::fprintf(stderr, "ondrave-clicker: %.*s\n", static_cast<int>(what.size()), what.data());

  // Converting the texts needs memory, which may be what ran out: then a
  // fixed text stands in and the system's default caption.
  const wchar_t* shownText = kNoMemoryForMessage;
  const wchar_t* shownCaption = nullptr;
  std::wstring text, caption;
  try {
    text = win32::Widen(what);
    caption = win32::Widen(kMainWindow.title);
    shownText = text.c_str();
    shownCaption = caption.c_str();
  } catch (const std::bad_alloc&) {
  }
  MessageBoxW(nullptr, shownText, shownCaption, MB_OK | MB_ICONHAND | MB_SYSTEMMODAL);
  // Ending the process destroys its windows, with their timers and hotkeys,
  // and unloads the libraries it loaded.
  ExitProcess(kFatalExitCode);
}

}  // namespace ondrave
