// The stop sign of error message boxes: a red disc with a white cross.
#pragma once

#include <FL/Fl_Widget.H>

namespace ondrave::fltk {

class StopIcon : public Fl_Widget {
 public:
  static constexpr int kSize = 32;
  StopIcon(int x, int y) : Fl_Widget(x, y, kSize, kSize) {}

 protected:
  void draw() override;
};

}  // namespace ondrave::fltk
