#include "desktop/fltk/stop_icon.h"

#include <FL/fl_draw.H>

namespace ondrave::fltk {

void StopIcon::draw() {
  constexpr int kCrossInset = 10;
  constexpr int kCrossWidth = 4;
  fl_color(fl_rgb_color(170, 20, 20));
  fl_pie(x(), y(), w(), h(), 0, 360);
  fl_color(fl_rgb_color(225, 40, 40));
  fl_pie(x() + 2, y() + 2, w() - 4, h() - 4, 0, 360);
  fl_color(FL_WHITE);
  fl_line_style(FL_SOLID | FL_CAP_ROUND, kCrossWidth);
  const int left = x() + kCrossInset, right = x() + w() - 1 - kCrossInset;
  const int top = y() + kCrossInset, bottom = y() + h() - 1 - kCrossInset;
  fl_line(left, top, right, bottom);
  fl_line(left, bottom, right, top);
  fl_line_style(0);
}

}  // namespace ondrave::fltk
