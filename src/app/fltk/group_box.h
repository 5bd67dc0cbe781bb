// A group box: an etched frame with the caption at the left of its top
// edge, in the group box's caption colour. The controls whose parent it is
// are its children.
#pragma once

#include <FL/Fl_Group.H>

#include "app/fltk/control_widget.h"

namespace ondrave::fltk {

class GroupBox : public Fl_Group, public ControlWidget {
 public:
  GroupBox(const ControlRow& entry, ControlHost& host);

 protected:
  void draw() override;
  int handle(int event) override;
};

}  // namespace ondrave::fltk
