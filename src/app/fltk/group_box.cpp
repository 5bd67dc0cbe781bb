#include "app/fltk/group_box.h"

#include <FL/fl_draw.H>

#include <string>

#include "app/fltk/control_text.h"

namespace ondrave::fltk {
namespace {

// Where the caption starts, from the frame's left edge, and the face's
// margin kept free around it.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionMargin = 2;

}  // namespace

GroupBox::GroupBox(const ControlRow& entry, ControlHost& host)
    : Fl_Group(BoundsOf(entry).x, BoundsOf(entry).y, entry.width, entry.height), ControlWidget(entry, host) {
  end();
  // Children keep their places; the window never resizes them anyway.
  resizable(nullptr);
  if (entry.disabled) deactivate();
}

void GroupBox::draw() {
  if (damage() & ~FL_DAMAGE_CHILD) {
    fl_push_clip(x(), y(), w(), h());
    fl_rectf(x(), y(), w(), h(), FL_BACKGROUND_COLOR);
    UseControlFont();
    // The frame's top edge runs through the middle of the caption.
    const int captionHeight = fl_height();
    const int frameTop = y() + captionHeight / 2;
    draw_box(FL_ENGRAVED_FRAME, x(), frameTop, w(), h() - captionHeight / 2, FL_BACKGROUND_COLOR);
    const std::string caption(entry().text);
    const int captionWidth = static_cast<int>(TextWidth(caption) + 0.5);
    const Rect captionArea{x() + kCaptionIndent, y(), captionWidth, captionHeight};
    fl_rectf(captionArea.x - kCaptionMargin, captionArea.y, captionArea.w + 2 * kCaptionMargin, captionArea.h,
             FL_BACKGROUND_COLOR);
    DrawLines({caption}, captionArea, Across::Left, Down::Top, ToFlColor(entry().colour.value_or(Rgb{0, 0, 0})),
              {x(), y(), w(), h()});
    fl_pop_clip();
  }
  draw_children();
}

int GroupBox::handle(int event) {
  // The window has no arrow-key or Tab navigation of the toolkit's: Tab is
  // the window's keyboard rule, and arrows belong to the focused control.
  if (event == FL_KEYBOARD) return 0;
  return Fl_Group::handle(event);
}

}  // namespace ondrave::fltk
