#include "app/fltk/drop_down_list.h"

#include <FL/Fl.H>

#include <string>

#include "app/control_model.h"
#include "desktop/fltk/chinese_font.h"

namespace ondrave::fltk {

DropDownList::DropDownList(const ControlRow& entry, ControlHost& host)
    : Fl_Choice(BoundsOf(entry).x, BoundsOf(entry).y, entry.width, entry.height), ControlWidget(entry, host) {
  // Items made as menu entries directly: add() would read "/", "&" and "_"
  // in an item as menu syntax. copy() copies the entries but not their
  // texts, which therefore live in itemTexts_.
  itemTexts_.assign(entry.items.begin(), entry.items.end());
  std::vector<Fl_Menu_Item> items;
  for (const std::string& text : itemTexts_)
    items.push_back({text.c_str(), 0, nullptr, nullptr, 0, FL_NORMAL_LABEL, FL_HELVETICA, kTextSize, FL_BLACK});
  items.push_back({nullptr, 0, nullptr, nullptr, 0, 0, 0, 0, 0});
  copy(items.data());
  textsize(kTextSize);
  color(FL_BACKGROUND2_COLOR);
  // A choice of the same item again is a choice too.
  when(FL_WHEN_RELEASE_ALWAYS);
  callback(OnChoice);
  SetSelectedIndex(entry.selectedIndex);
  if (entry.disabled) deactivate();
}

DropDownList::~DropDownList() { Fl::remove_timeout(RaiseItemSelected, this); }

void DropDownList::SetSelectedIndex(std::int32_t index) {
  const std::int32_t clamped = ClampSelection(index, static_cast<std::int32_t>(entry().items.size()));
  if (clamped < 0) {
    value(static_cast<const Fl_Menu_Item*>(nullptr));
  } else {
    value(clamped);
  }
  redraw();
}

int DropDownList::handle(int event) {
  const int used = Fl_Choice::handle(event);
  NoteFocusEvent(event);
  return used;
}

void DropDownList::OnChoice(Fl_Widget* list, void*) {
  // The choice's callback runs inside the toolkit's handling of the click;
  // the event waits until that is over.
  Fl::add_timeout(0.0, RaiseItemSelected, list);
}

void DropDownList::RaiseItemSelected(void* list) {
  auto* self = static_cast<DropDownList*>(list);
  self->host().Raise(self->entry().id, Event::ItemSelected);
}

}  // namespace ondrave::fltk
