#include "app/fltk/painted_label.h"

#include <FL/fl_draw.H>

#include "app/fltk/control_text.h"

namespace ondrave::fltk {

PaintedLabel::PaintedLabel(const ControlRow& entry, ControlHost& host)
    : Fl_Widget(BoundsOf(entry).x, BoundsOf(entry).y, entry.width, entry.height),
      ControlWidget(entry, host),
      caption_(entry.text) {}

void PaintedLabel::SetCaption(std::string_view caption) {
  caption_ = caption;
  redraw();
}

void PaintedLabel::DrawBackground() const {
  if (!entry().gradient) {
    fl_rectf(x(), y(), w(), h(), FL_BACKGROUND_COLOR);
    return;
  }
  // Every row of a column has the column's colour.
  for (int column = 0; column < w(); ++column) {
    fl_color(ToFlColor(GradientColumn(column, w())));
    fl_yxline(x() + column, y(), y() + h() - 1);
  }
}

void PaintedLabel::draw() {
  DrawBackground();
  const Rect bounds{x(), y(), w(), h()};
  const Fl_Color colour = ToFlColor(entry().colour.value_or(Rgb{0, 0, 0}));
  if (entry().wordWrap) {
    DrawLines(WrapCaption(caption_, w()), bounds, Across::Left, Down::Top, colour, bounds);
  } else {
    DrawLines({caption_}, bounds, Across::Left, Down::Centre, colour, bounds);
  }
}

}  // namespace ondrave::fltk
