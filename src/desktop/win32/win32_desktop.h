// The desktop services on Windows, for the one main window.
#pragma once

#include "desktop/services.h"
#include "desktop/win32/pointer_input.h"
#include "desktop/win32/window_handles.h"
#include "desktop/win32/working_set.h"

namespace ondrave::win32 {

class Win32Desktop final : public DesktopServices {
 public:
  explicit Win32Desktop(const WindowHandles& window) : window_(window) {}

  HotkeyId RegisterGlobalHotkey(Control sinkLabel, std::int32_t modifierWord, std::int32_t virtualKey) override;
  std::int32_t PointerX() override { return pointer_.PointerX(); }
  std::int32_t PointerY() override { return pointer_.PointerY(); }
  void SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind) override {
    pointer_.SimulateClick(x, y, kind);
  }
  MessageResult ShowMessage(std::string_view text, std::uint32_t style) override;
  DateTime CurrentDateTime() override { return LocalDateTimeNow(); }
  void TrimWorkingSet() override { workingSet_.Trim(); }

 private:
  const WindowHandles& window_;
  PointerInput pointer_;
  WorkingSet workingSet_;
};

}  // namespace ondrave::win32
