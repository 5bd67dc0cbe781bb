#include "app/fltk/keyboard_dispatch.h"

#include <FL/Fl.H>

#include "app/keyboard_rules.h"
#include "desktop/fltk/message_box.h"

namespace ondrave::fltk {
namespace {

MainWindow* ruledWindow = nullptr;

constexpr int kRuleModifiers = FL_SHIFT | FL_CTRL | FL_ALT;

// Whether the rules act on this key press of the window, and if so, what
// they did: true when they consumed it.
bool ApplyRule(MainWindow& window) {
  if (OpenMessageBoxes() > 0 || window.Closed()) return false;
  const int modifiers = Fl::event_state() & kRuleModifiers;
  switch (Fl::event_key()) {
    case FL_Escape:
      if (modifiers != 0) return false;
      window.Close();
      return true;
    case FL_Tab: {
      if (modifiers != 0 && modifiers != FL_SHIFT) return false;
      const auto target = TabTarget(window.FocusedControl(), modifiers == 0,
                                    [&window](Control c) { return window.InKeyboardOrder(c); });
      if (target) window.MoveFocus(*target);
      return true;
    }
    default:
      return false;
  }
}

int Dispatch(int event, Fl_Window* window) {
  // While a list is dropped down its menu holds the keyboard (a grab):
  // Esc closes the menu, not the window.
  if (window == ruledWindow && !Fl::grab() && (event == FL_KEYDOWN || event == FL_KEYUP)) {
    // A disabled control that has the focus takes the key and ignores it.
    if (ruledWindow->FocusOnDisabledControl()) return 1;
    if (event == FL_KEYDOWN && ApplyRule(*ruledWindow)) return 1;
  }
  return Fl::handle_(event, window);
}

}  // namespace

void ApplyKeyboardRules(MainWindow& window) {
  ruledWindow = &window;
  Fl::event_dispatch(Dispatch);
}

}  // namespace ondrave::fltk
