#include "app/fltk/check_box.h"

#include <string>

namespace ondrave::fltk {

CheckBox::CheckBox(const ControlSpec& spec, ControlHost& host)
    : Fl_Check_Button(BoundsOf(spec).x, BoundsOf(spec).y, spec.width, spec.height), ControlWidget(spec, host) {
  copy_label(std::string(spec.text).c_str());
  // Plain text: "&" in a caption is no shortcut here.
  clear_flag(SHORTCUT_LABEL);
  callback(OnToggle);
  if (spec.disabled) deactivate();
}

int CheckBox::handle(int event) {
  const int used = Fl_Check_Button::handle(event);
  NoteFocusEvent(event);
  return used;
}

void CheckBox::OnToggle(Fl_Widget* box, void*) {
  auto* self = static_cast<CheckBox*>(box);
  self->host().Raise(self->spec().id, Event::Clicked);
}

}  // namespace ondrave::fltk
