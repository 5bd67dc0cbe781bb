// A push button: its caption centred both ways, broken into several lines
// where the button is too narrow for one. A click raises Clicked.
#pragma once

#include <FL/Fl_Button.H>

#include <string>
#include <string_view>

#include "app/fltk/control_widget.h"

namespace ondrave::fltk {

class PushButton : public Fl_Button, public ControlWidget, public Captioned {
 public:
  PushButton(const ControlRow& entry, ControlHost& host);

  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override;

 protected:
  void draw() override;
  int handle(int event) override;

 private:
  static void OnClick(Fl_Widget* button, void*);
  std::string caption_;
};

}  // namespace ondrave::fltk
