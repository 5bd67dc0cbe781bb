// A drop-down list of fixed items. Choosing an item raises ItemSelected
// only after the toolkit has finished handling the choice, with the new
// selection in place.
#pragma once

#include <FL/Fl_Choice.H>
#include <FL/Fl_Menu_Item.H>

#include <cstdint>
#include <string>
#include <vector>

#include "app/fltk/control_widget.h"

namespace ondrave::fltk {

class DropDownList : public Fl_Choice, public ControlWidget {
 public:
  DropDownList(const ControlRow& entry, ControlHost& host);
  ~DropDownList() override;

  // -1 when no item is selected.
  std::int32_t SelectedIndex() const { return value(); }
  // Clamped as ClampSelection says; -1 clears the selection.
  void SetSelectedIndex(std::int32_t index);

 protected:
  int handle(int event) override;

 private:
  static void OnChoice(Fl_Widget* list, void*);
  static void RaiseItemSelected(void* list);

  std::vector<std::string> itemTexts_;
};

}  // namespace ondrave::fltk
