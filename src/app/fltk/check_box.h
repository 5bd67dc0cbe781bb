// A check box: box at the left, caption after it. A click toggles the mark
// and then raises Clicked, so the handler reads the new state.
#pragma once

#include <FL/Fl_Check_Button.H>

#include "app/fltk/control_widget.h"

namespace ondrave::fltk {

class CheckBox : public Fl_Check_Button, public ControlWidget {
 public:
  CheckBox(const ControlRow& entry, ControlHost& host);

 protected:
  int handle(int event) override;

 private:
  static void OnToggle(Fl_Widget* box, void*);
};

}  // namespace ondrave::fltk
