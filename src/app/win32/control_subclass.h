// System controls that need more than their class gives: edit boxes filter
// typed characters, check boxes tell when they are changing focus, and
// group boxes pass their children's notifications on to the main window.
#pragma once

#include "app/win32/control_record.h"

namespace ondrave::win32 {

// Whether controls of this kind are subclassed.
bool NeedsSubclass(ControlKind kind);

// Replaces the window procedure of the record's window by the one of its
// kind. False when the system refuses.
bool Subclass(ControlRecord& record, ControlKind kind);

}  // namespace ondrave::win32
