// The desktop services on Linux: hotkeys and clicks through X11, message
// boxes of the toolkit, the C library's clock and heap trim.
#pragma once

// The control table's headers come before any X header (X.h defines None).
#include "app/fltk/main_window.h"
#include "desktop/services.h"
#include "desktop/x11/hotkeys.h"
#include "desktop/x11/input.h"

#include <optional>

namespace ondrave::fltk {

class LinuxDesktop final : public DesktopServices {
 public:
  LinuxDesktop(MainWindow& window, Display* display);

  // Offered every X event before the toolkit sees it; true when consumed.
  bool HandleXEvent(const XEvent& event);

  HotkeyId RegisterGlobalHotkey(Control sinkLabel, std::int32_t modifierWord, std::int32_t virtualKey) override;
  std::int32_t PointerX() override { return input_.PointerX(); }
  std::int32_t PointerY() override { return input_.PointerY(); }
  void SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind) override { input_.SimulateClick(x, y, kind); }
  MessageResult ShowMessage(std::string_view text, std::uint32_t style) override;
  DateTime CurrentDateTime() override;
  void TrimWorkingSet() override;

 private:
  void DeliverPress(HotkeyId id);

  MainWindow& window_;
  x11::Hotkeys hotkeys_;
  x11::Input input_;
  // The label that the presses reach, set by the latest registration.
  std::optional<Control> sink_;
};

}  // namespace ondrave::fltk
