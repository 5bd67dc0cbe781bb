#include "app/fltk/link_label.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "app/fltk/control_text.h"

namespace ondrave::fltk {

LinkLabel::LinkLabel(const ControlRow& entry, ControlHost& host)
    : Fl_Widget(BoundsOf(entry).x, BoundsOf(entry).y, entry.width, entry.height),
      ControlWidget(entry, host),
      caption_(entry.text),
      target_(kLink.target) {}

void LinkLabel::SetCaption(std::string_view caption) {
  caption_ = caption;
  redraw();
}

void LinkLabel::draw() {
  fl_rectf(x(), y(), w(), h(), FL_BACKGROUND_COLOR);
  const Rgb colour = hovered_ ? kLink.hovered : visited_ ? kLink.visited : kLink.normal;
  // Without a caption the label shows its target.
  const std::string& text = caption_.empty() ? target_ : caption_;
  const Rect bounds{x(), y(), w(), h()};
  DrawLines({text}, bounds, Across::Centre, Down::Centre, ToFlColor(colour), bounds);
}

void LinkLabel::Hover(bool hovered) {
  if (hovered == hovered_) return;
  hovered_ = hovered;
  if (Fl_Window* window = this->window()) window->cursor(hovered ? FL_CURSOR_HAND : FL_CURSOR_DEFAULT);
  redraw();
}

int LinkLabel::handle(int event) {
  switch (event) {
    case FL_ENTER:
    case FL_MOVE:
      Hover(true);
      return 1;
    case FL_LEAVE:
      Hover(false);
      return 1;
    case FL_PUSH:
      // The press opens the link; the release is not waited for.
      if (Fl::event_button() == FL_LEFT_MOUSE) OpenTarget();
      return 1;
    case FL_DRAG:
    case FL_RELEASE:
      // While a button is held the label keeps the pointer, as the link's
      // mouse capture does: leaving it clears the hover.
      Hover(Fl::event_inside(this));
      return 1;
    default:
      return Fl_Widget::handle(event);
  }
}

void LinkLabel::OpenTarget() {
  opener_.Open(target_, [this](bool opened) {
    visited_ = opened;
    // Redrawn at once when it becomes visited, otherwise at its next repaint.
    if (opened) redraw();
  });
}

}  // namespace ondrave::fltk
