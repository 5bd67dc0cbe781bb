// Where the control windows send the events they raise.
#pragma once

#include <cstdint>

#include "app/window_table.h"

namespace ondrave::win32 {

class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void Raise(Control c, Event e, std::int32_t arg1 = 0, std::int32_t arg2 = 0) = 0;
};

}  // namespace ondrave::win32
