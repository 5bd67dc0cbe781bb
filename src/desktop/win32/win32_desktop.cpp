#include "desktop/win32/win32_desktop.h"

#include "desktop/win32/hotkey_registry.h"
#include "desktop/win32/message_box.h"

namespace ondrave::win32 {

HotkeyId Win32Desktop::RegisterGlobalHotkey(Control sinkLabel, std::int32_t modifierWord,
                                            std::int32_t virtualKey) {
  return win32::RegisterGlobalHotkey(window_.MainWindowHandle(), window_.HandleOf(sinkLabel), modifierWord, virtualKey);
}

MessageResult Win32Desktop::ShowMessage(std::string_view text, std::uint32_t style) {
  return win32::ShowMessage(text, style);
}

}  // namespace ondrave::win32
