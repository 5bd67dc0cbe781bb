#include "app/fltk/edit_box.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/fl_utf8.h>

#include <algorithm>

#include "app/fltk/control_text.h"
#include "app/keyboard_rules.h"
#include "desktop/fltk/chinese_font.h"

namespace ondrave::fltk {
namespace {

// The sunken border's thickness on each side.
constexpr int kEdgeThickness = 2;

// A box lower than its text and its border is made that high at creation.
int HeightFor(const ControlRow& entry) {
  // Measured in the current face: fl_height(font, size) would afterwards
  // restore the toolkit's previous face, opening a second copy of the
  // Chinese face (about 750 KB of glyph tables) that nothing draws with.
  UseControlFont();
  return std::max(entry.height, fl_height() + 2 * kEdgeThickness);
}

}  // namespace

EditBox::EditBox(const ControlRow& entry, ControlHost& host)
    : Fl_Input(BoundsOf(entry).x, BoundsOf(entry).y, entry.width, HeightFor(entry)), ControlWidget(entry, host) {
  textsize(kTextSize);
  // The box raises no callback of its own: its events are LostFocus only.
  when(FL_WHEN_NEVER);
  SetText(entry.text);
  if (entry.disabled) deactivate();
}

void EditBox::SetText(std::string_view text) {
  value(text.data(), static_cast<int>(text.size()));
  position(0);
}

bool EditBox::IsTypedText() const {
  if (Fl::event_length() == 0 || Fl::event_state(FL_CTRL | FL_ALT | FL_META)) return false;
  // Control characters (Backspace, Enter, Delete) are editing keys, not text.
  const auto first = static_cast<unsigned char>(Fl::event_text()[0]);
  return first >= 0x20 && first != 0x7F;
}

int EditBox::handle(int event) {
  switch (event) {
    case FL_KEYBOARD:
      if (IsTypedText()) return TakeTyped({Fl::event_text(), static_cast<std::size_t>(Fl::event_length())});
      break;
    case FL_PASTE:
      return TakePasted({Fl::event_text(), static_cast<std::size_t>(Fl::event_length())});
    default:
      break;
  }
  const int used = Fl_Input::handle(event);
  NoteFocusEvent(event);
  return used;
}

int EditBox::TakeTyped(std::string_view typed) {
  // Each typed character is checked on its own: an input method can hand
  // over several at once.
  std::string accepted;
  for (std::size_t i = 0; i < typed.size();) {
    int length = 0;
    const unsigned c = fl_utf8decode(typed.data() + i, typed.data() + typed.size(), &length);
    length = std::max(length, 1);
    if (EditAcceptsTypedChar(static_cast<char32_t>(c))) accepted.append(typed.substr(i, length));
    i += static_cast<std::size_t>(length);
  }
  Insert(accepted);
  // A refused character is dropped before the box sees it: consumed.
  return 1;
}

int EditBox::TakePasted(std::string_view pasted) {
  // A one-line box takes the first line of what is pasted.
  Insert(pasted.substr(0, pasted.find_first_of("\r\n")));
  return 1;
}

void EditBox::Insert(std::string_view text) {
  const int from = std::min(position(), mark()), to = std::max(position(), mark());
  const std::string current = value();
  const std::size_t selected = CharacterCount(std::string_view(current).substr(from, to - from));
  const std::string fitting = FitToLimit(text, CharacterCount(current), selected, entry().textLimit);
  if (fitting.empty()) return;
  replace(from, to, fitting.data(), static_cast<int>(fitting.size()));
}

}  // namespace ondrave::fltk
