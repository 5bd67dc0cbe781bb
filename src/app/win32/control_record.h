// What the main window keeps of each of its controls while it exists. The
// control windows of the program's own classes, and the system controls it
// subclasses, find their record through GWLP_USERDATA.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/win32/event_sink.h"
#include "app/window_table.h"

namespace ondrave::win32 {

struct ControlRecord {
  Control id{};
  EventSink* sink = nullptr;
  HWND hwnd = nullptr;
  WNDPROC originalProc = nullptr;  // system controls that are subclassed
  std::string caption;             // labels and buttons: the caption last written
  HFONT font = nullptr;            // the program's own classes keep their font
  bool focusChanging = false;      // check boxes: inside WM_SETFOCUS or WM_KILLFOCUS
  std::int32_t period = 0;         // timers
  bool timerRunning = false;       // timers: a system timer is set
  bool hovered = false;            // the link label
  bool visited = false;            // the link label
};

// The record a window was created with or subclassed for.
inline ControlRecord* RecordOf(HWND hwnd) {
  return reinterpret_cast<ControlRecord*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// For the program's own classes: keeps the record passed to CreateWindowExW.
inline void KeepRecordAtCreation(HWND hwnd, LPARAM createStruct) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createStruct);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

}  // namespace ondrave::win32
