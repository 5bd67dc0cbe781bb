#include "app/fltk/push_button.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "app/fltk/control_text.h"

namespace ondrave::fltk {

PushButton::PushButton(const ControlRow& entry, ControlHost& host)
    : Fl_Button(BoundsOf(entry).x, BoundsOf(entry).y, entry.width, entry.height),
      ControlWidget(entry, host),
      caption_(entry.text) {
  callback(OnClick);
  if (entry.disabled) deactivate();
}

void PushButton::SetCaption(std::string_view caption) {
  caption_ = caption;
  redraw();
}

void PushButton::draw() {
  // The face and the focus mark come from the toolkit; the caption, which
  // it would keep on one line, is drawn here.
  Fl_Button::draw();
  const int dx = Fl::box_dx(box()) + 1, dy = Fl::box_dy(box());
  const Rect inside{x() + dx, y() + dy, w() - 2 * dx, h() - 2 * dy};
  const Fl_Color colour = active_r() ? labelcolor() : fl_inactive(labelcolor());
  DrawLines(WrapCaption(caption_, inside.w), inside, Across::Centre, Down::Centre, colour, inside);
}

int PushButton::handle(int event) {
  const int used = Fl_Button::handle(event);
  NoteFocusEvent(event);
  return used;
}

void PushButton::OnClick(Fl_Widget* button, void*) {
  auto* self = static_cast<PushButton*>(button);
  self->host().Raise(self->entry().id, Event::Clicked);
}

}  // namespace ondrave::fltk
