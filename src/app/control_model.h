// The contract between the clicker logic and the window: named properties of
// the main window and its controls, read and written at once on the live
// window, and the events through which the window calls the logic.
//
// Texts are UTF-8. An empty text and an absent one are the same: reading a
// text property that is empty gives the empty string.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/window_table.h"

namespace ondrave {

class ControlModel {
 public:
  virtual ~ControlModel() = default;

  // `text` of an edit box: what it shows now, also what the user typed.
  virtual std::string Text(Control editBox) = 0;
  virtual void SetText(Control editBox, std::string_view text) = 0;

  // `caption` of a label or push button: the caption last written.
  virtual std::string Caption(Control c) = 0;
  virtual void SetCaption(Control c, std::string_view caption) = 0;

  // `checked` of a check box. Writing raises no Clicked; any value but 0 checks.
  virtual std::int32_t Checked(Control checkBox) = 0;
  virtual void SetChecked(Control checkBox, std::int32_t value) = 0;

  // `selectedIndex` of a drop-down list, -1 for none. Writing raises no
  // ItemSelected; see ClampSelection for out-of-range values.
  virtual std::int32_t SelectedIndex(Control list) = 0;
  virtual void SetSelectedIndex(Control list, std::int32_t index) = 0;

  // The main window's `visible`, `height` (outer, frame included) and `alwaysOnTop`.
  virtual std::int32_t Visible() = 0;
  virtual void SetVisible(std::int32_t value) = 0;
  virtual void SetHeight(std::int32_t outerHeight) = 0;
  virtual void SetAlwaysOnTop(std::int32_t value) = 0;

  // `period` of a timer in milliseconds, with the rules of TimerPeriodWrite.
  virtual void SetPeriod(Control timer, std::int32_t period) = 0;

  // Gives the keyboard focus to a control, enabled or not.
  virtual void MoveFocus(Control c) = 0;
};

// The receiver of the window's events: the clicker logic. Events of controls
// that have no bound handler are still passed here and do nothing there.
class EventHandler {
 public:
  virtual ~EventHandler() = default;
  virtual void OnCreated() = 0;
  virtual void OnEvent(Control c, Event e, std::int32_t arg1 = 0, std::int32_t arg2 = 0) = 0;
};

// Value rules shared by every realisation of the control model.

// A boolean property takes every value but 0 as 1.
constexpr std::int32_t AsBoolean(std::int32_t v) { return v != 0 ? 1 : 0; }

// A selection above the last index selects the last item; below -1, none.
constexpr std::int32_t ClampSelection(std::int32_t v, std::int32_t itemCount) {
  if (v > itemCount - 1) v = itemCount - 1;
  if (v < -1) v = -1;
  return v;
}

// An outer height above the desktop's largest counts as that, a negative one as 0.
constexpr std::int32_t ClampHeight(std::int32_t h) {
  if (h > kMainWindow.maxHeight) return kMainWindow.maxHeight;
  return h < 0 ? 0 : h;
}

}  // namespace ondrave
