// What the program's own painted classes share: their font, kept by
// WM_SETFONT, and drawing their window text.
#pragma once

#include <windows.h>

#include <string>

#include "app/win32/control_record.h"
#include "app/window_table.h"

namespace ondrave::win32 {

// Handles WM_SETFONT and WM_GETFONT; false for any other message.
bool HandleFontMessage(HWND hwnd, ControlRecord& record, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result);

// Draws `text` in `colour` with the record's font over what is painted
// already (transparent background), with the DrawText `flags`.
void DrawWindowText(HDC dc, const ControlRecord& record, const std::wstring& text, Rgb colour, RECT area,
                    UINT flags);

// The window's text as it is now.
std::wstring WindowText(HWND hwnd);

constexpr COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace ondrave::win32
