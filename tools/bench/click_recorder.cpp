#include "click_recorder.h"

#include <thread>

namespace ondrave::bench {
namespace {

constexpr unsigned int kLeftButton = 1;
constexpr std::chrono::milliseconds kPollStep{1};

}  // namespace

ClickRecorder::ClickRecorder(const std::string& displayName, testing::ScreenRect area) : probe_(displayName, area) {}

void ClickRecorder::Poll() {
  probe_.Collect();
  const Clock::time_point now = Clock::now();
  for (const testing::ButtonRecord& record : probe_.Records()) {
    if (record.press && record.button == kLeftButton) clicks_.push_back({record.time, now});
  }
  // The probe's own list would otherwise grow through the clicking minute.
  probe_.Clear();
}

void ClickRecorder::PollUntil(Clock::time_point deadline) {
  Clock::time_point next = Clock::now();
  while (next < deadline) {
    Poll();
    next += kPollStep;
    std::this_thread::sleep_until(next);
  }
  Poll();
}

bool ClickRecorder::WaitForClicks(std::size_t count, std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  Clock::time_point next = Clock::now();
  while (true) {
    Poll();
    if (clicks_.size() >= count) return true;
    if (next >= deadline) return false;
    next += kPollStep;
    std::this_thread::sleep_until(next);
  }
}

bool ClickRecorder::WaitForQuiet(std::chrono::milliseconds quiet, std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  Clock::time_point lastSeen = Clock::now();
  std::size_t count = clicks_.size();
  while (Clock::now() < deadline) {
    PollUntil(Clock::now() + kPollStep);
    if (clicks_.size() != count) {
      count = clicks_.size();
      lastSeen = Clock::now();
    } else if (Clock::now() - lastSeen >= quiet) {
      return true;
    }
  }
  return false;
}

}  // namespace ondrave::bench
