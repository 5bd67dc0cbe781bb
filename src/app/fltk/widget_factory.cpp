#include "app/fltk/widget_factory.h"

#include <array>

#include "app/fltk/check_box.h"
#include "app/fltk/drop_down_list.h"
#include "app/fltk/edit_box.h"
#include "app/fltk/group_box.h"
#include "app/fltk/link_label.h"
#include "app/fltk/painted_label.h"
#include "app/fltk/push_button.h"

namespace ondrave::fltk {
namespace {

using Maker = Fl_Widget* (*)(const ControlRow&, ControlHost&);

template <class Widget>
Fl_Widget* Make(const ControlRow& entry, ControlHost& host) {
  return new Widget(entry, host);
}

struct KindMaker {
  ControlKind kind;
  Maker make;  // null: the kind has no widget
};

constexpr std::array<KindMaker, 8> kMakers{{
    {ControlKind::EditBox, Make<EditBox>},
    {ControlKind::Label, Make<PaintedLabel>},
    {ControlKind::PushButton, Make<PushButton>},
    {ControlKind::CheckBox, Make<CheckBox>},
    {ControlKind::DropDownList, Make<DropDownList>},
    {ControlKind::GroupBox, Make<GroupBox>},
    {ControlKind::LinkLabel, Make<LinkLabel>},
    {ControlKind::Timer, nullptr},
}};

}  // namespace

Fl_Widget* MakeWidget(const ControlRow& entry, ControlHost& host) {
  for (const KindMaker& maker : kMakers)
    if (maker.kind == entry.kind) return maker.make ? maker.make(entry, host) : nullptr;
  return nullptr;
}

}  // namespace ondrave::fltk
