// Keyboard and mouse input as a user would give it, injected into the desktop.
#pragma once

#include <windows.h>

namespace probe {

// Presses and releases a key; with `shift`, while Shift is held.
void PressKey(WORD virtualKey, bool shift = false);

// Moves the pointer to a screen point as the mouse does, with a move event.
void MovePointerTo(POINT screen);

// A left click at a screen point.
void ClickAt(POINT screen);

// Makes `hwnd` the foreground window; true once the desktop reports it so.
bool BringToFront(HWND hwnd);

}  // namespace probe
