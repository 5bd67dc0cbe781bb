// An edit box: one line of text. Typed characters are filtered (digits and
// "-" only), pasted text is not; both stay within the box's text limit.
#pragma once

#include <FL/Fl_Input.H>

#include <string>
#include <string_view>

#include "app/fltk/control_widget.h"

namespace ondrave::fltk {

class EditBox : public Fl_Input, public ControlWidget {
 public:
  EditBox(const ControlRow& entry, ControlHost& host);

  std::string Text() const { return value(); }
  // Shows the text with the caret at its start, as at creation.
  void SetText(std::string_view text);

 protected:
  int handle(int event) override;

 private:
  bool IsTypedText() const;
  int TakeTyped(std::string_view typed);
  int TakePasted(std::string_view pasted);
  void Insert(std::string_view text);
};

}  // namespace ondrave::fltk
