#include "app/fltk/check_box.h"

#include <string>

namespace ondrave::fltk {

CheckBox::CheckBox(const ControlRow& entry, ControlHost& host)
    : Fl_Check_Button(BoundsOf(entry).x, BoundsOf(entry).y, entry.width, entry.height), ControlWidget(entry, host) {
  copy_label(std::string(entry.text).c_str());
  // Plain text: "&" in a caption is no shortcut here.
  clear_flag(SHORTCUT_LABEL);
  callback(OnToggle);
  if (entry.disabled) deactivate();
}

int CheckBox::handle(int event) {
  const int used = Fl_Check_Button::handle(event);
  NoteFocusEvent(event);
  return used;
}

void CheckBox::OnToggle(Fl_Widget* box, void*) {
  auto* self = static_cast<CheckBox*>(box);
  self->host().Raise(self->entry().id, Event::Clicked);
}

}  // namespace ondrave::fltk
