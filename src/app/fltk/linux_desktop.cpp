#include "app/fltk/linux_desktop.h"

#include "desktop/date_time.h"
#include "desktop/fltk/message_box.h"
#include "desktop/linux/working_set.h"

namespace ondrave::fltk {

LinuxDesktop::LinuxDesktop(MainWindow& window, Display* display)
    : window_(window), hotkeys_(display, [this](HotkeyId id) { DeliverPress(id); }), input_(display) {}

bool LinuxDesktop::HandleXEvent(const XEvent& event) {
  const bool hotkey = hotkeys_.HandleEvent(event);
  const bool input = input_.HandleEvent(event);
  return hotkey || input;
}

HotkeyId LinuxDesktop::RegisterGlobalHotkey(Control sinkLabel, std::int32_t modifierWord, std::int32_t virtualKey) {
  sink_ = sinkLabel;
  return hotkeys_.Register(modifierWord, virtualKey);
}

void LinuxDesktop::DeliverPress(HotkeyId id) {
  if (sink_) window_.DeliverFeedback(*sink_, id, 0);
}

MessageResult LinuxDesktop::ShowMessage(std::string_view text, std::uint32_t style) {
  return ShowMessageBox(text, style);
}

DateTime LinuxDesktop::CurrentDateTime() { return LocalDateTimeNow(); }

void LinuxDesktop::TrimWorkingSet() { linux_desktop::TrimWorkingSet(); }

}  // namespace ondrave::fltk
