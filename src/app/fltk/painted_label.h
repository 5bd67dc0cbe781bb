// A label that paints itself: its background (the window's face, or the
// red-yellow-green gradient), then its caption in its own colour, one line
// left-aligned and centred from top to bottom, or word-wrapped from the top.
#pragma once

#include <FL/Fl_Widget.H>

#include <string>
#include <string_view>

#include "app/fltk/control_widget.h"

namespace ondrave::fltk {

class PaintedLabel : public Fl_Widget, public ControlWidget, public Captioned {
 public:
  PaintedLabel(const ControlRow& entry, ControlHost& host);

  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override;

 protected:
  void draw() override;

 private:
  void DrawBackground() const;
  std::string caption_;
};

}  // namespace ondrave::fltk
