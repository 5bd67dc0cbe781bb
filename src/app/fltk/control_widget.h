// What every control's widget shares: which row of the control table it
// realises, and the window it reports its events to.
#pragma once

#include <FL/Enumerations.H>

#include <cstdint>
#include <string>
#include <string_view>

#include "app/window_table.h"
#include "desktop/fltk/frame_geometry.h"

namespace ondrave::fltk {

// The window's side of its controls.
class ControlHost {
 public:
  // Raises an event of a control, unless events are stopped.
  virtual void Raise(Control c, Event e, std::int32_t arg1 = 0, std::int32_t arg2 = 0) = 0;
  // The control's widget has just lost the keyboard focus; Fl::focus() is
  // where the focus went (nowhere when the window was deactivated).
  virtual void FocusLeft(Control c) = 0;

 protected:
  ~ControlHost() = default;
};

class ControlWidget {
 public:
  ControlWidget(const ControlRow& entry, ControlHost& host) : entry_(entry), host_(host) {}
  virtual ~ControlWidget() = default;
  const ControlRow& entry() const { return entry_; }

 protected:
  ControlHost& host() const { return host_; }
  // For handle(): tells the window when the widget loses the focus.
  void NoteFocusEvent(int event) const {
    if (event == FL_UNFOCUS) host_.FocusLeft(entry_.id);
  }

 private:
  const ControlRow& entry_;
  ControlHost& host_;
};

// Controls with a `caption` property: the caption last written.
class Captioned {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;

 protected:
  ~Captioned() = default;
};

// Where a control lies in the window: FLTK places every widget in its
// window's coordinates, also those inside a group box.
inline Rect BoundsOf(const ControlRow& entry) {
  const Point at = ClientPosition(entry.id);
  return {at.x, at.y, entry.width, entry.height};
}

}  // namespace ondrave::fltk
