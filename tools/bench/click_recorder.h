// The presses of the left button that reach the bench's probe window, each
// with two times: the X server's timestamp (whole milliseconds, taken when
// the server delivered the press) and the bench's monotonic clock when the
// bench read the press, polling once a millisecond.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <vector>

#include "x11_test_support.h"

namespace ondrave::bench {

using Clock = std::chrono::steady_clock;

struct Click {
  Time serverMs;
  Clock::time_point readAt;
};

class ClickRecorder {
 public:
  ClickRecorder(const std::string& displayName, testing::ScreenRect area);

  // Reads the presses that have arrived since the last poll.
  void Poll();
  // Polls once a millisecond until the deadline.
  void PollUntil(Clock::time_point deadline);
  // Polls until `count` presses are recorded; false when the timeout passes first.
  bool WaitForClicks(std::size_t count, std::chrono::milliseconds timeout);
  // Polls until no press has come for `quiet`; false when presses go on
  // coming until the timeout.
  bool WaitForQuiet(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout);

  const std::vector<Click>& Clicks() const { return clicks_; }
  void Clear() { clicks_.clear(); }

 private:
  testing::ProbeWindow probe_;
  std::vector<Click> clicks_;
};

}  // namespace ondrave::bench
