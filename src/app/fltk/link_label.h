// The link label: its caption in the link colours (hovered, visited or
// normal), a pointing hand while the pointer is over it, and a press of the
// left button opens its target.
#pragma once

#include <FL/Fl_Widget.H>

#include <string>
#include <string_view>

#include "app/fltk/control_widget.h"
#include "app/fltk/link_opener.h"

namespace ondrave::fltk {

class LinkLabel : public Fl_Widget, public ControlWidget, public Captioned {
 public:
  LinkLabel(const ControlRow& entry, ControlHost& host);

  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override;

 protected:
  void draw() override;
  int handle(int event) override;

 private:
  void Hover(bool hovered);
  void OpenTarget();

  std::string caption_;
  std::string target_;
  bool hovered_ = false;
  bool visited_ = false;
  LinkOpener opener_;
};

}  // namespace ondrave::fltk
