// Timer controls on the toolkit's event loop: a busy spell gives one late
// tick, not a burst; a stopped timer stays quiet; a restart counts from the
// write. Only orderings are judged here, never how fast a tick came.
#include <gtest/gtest.h>

#include "desktop/fltk/timers.h"

#include <FL/Fl.H>

#include <chrono>
#include <thread>

namespace ondrave::fltk {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Runs the event loop until `ticks` reaches `count` or `limit` has passed.
void RunUntil(const int& ticks, int count, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while (ticks < count && Clock::now() < deadline) Fl::wait(0.005);
}

// Lets the event loop handle whatever is due now, without waiting for more.
void HandlePending() {
  for (int i = 0; i < 5; ++i) Fl::wait(0.0);
}

TEST(FltkTimersTest, ABusySpellGivesOneTickNotABurst) {
  int ticks = 0;
  TimerControl timer(10, [&] { ++ticks; });
  RunUntil(ticks, 1, 2s);
  ASSERT_EQ(ticks, 1);

  std::this_thread::sleep_for(100ms);  // ten periods pass unhandled
  HandlePending();
  EXPECT_EQ(ticks, 2);
}

TEST(FltkTimersTest, StoppingSilencesAnExpiryThatWasAlreadyDue) {
  int ticks = 0;
  TimerControl timer(10, [&] { ++ticks; });
  std::this_thread::sleep_for(30ms);  // an expiry waits to be read
  timer.SetPeriod(-5);
  EXPECT_EQ(timer.period(), 0);
  EXPECT_FALSE(timer.running());
  HandlePending();
  std::this_thread::sleep_for(30ms);
  HandlePending();
  EXPECT_EQ(ticks, 0);
}

TEST(FltkTimersTest, ANewPeriodRestartsFromTheWriteAndTheSamePeriodChangesNothing) {
  int ticks = 0;
  TimerControl timer(1000, [&] { ++ticks; });
  const auto written = Clock::now();
  timer.SetPeriod(50);
  RunUntil(ticks, 1, 2s);
  ASSERT_EQ(ticks, 1);
  EXPECT_GE(Clock::now() - written, 50ms);

  // Rewriting the running period must not push the next tick back: with a
  // restart at every write, a write every 30 ms would starve a 50 ms timer.
  const auto deadline = Clock::now() + 400ms;
  while (Clock::now() < deadline) {
    timer.SetPeriod(50);
    Fl::wait(0.03);
  }
  EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace ondrave::fltk
