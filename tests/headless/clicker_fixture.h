// A started clicker on the headless desktop, with the helpers the clicker
// tests share.
#pragma once

#include <gtest/gtest.h>

#include "clicker/controller.h"
#include "clicker/key_table.h"
#include "headless/headless_desktop.h"

namespace ondrave::testing {

class ClickerTest : public ::testing::Test {
 protected:
  void SetUp() override { desk.Start(logic); }

  // Chooses the start/stop key by its item text in 组合框2.
  void ChooseStartStopKey(int index) { desk.ChooseItem(Control::组合框2, index); }
  static constexpr int kItemF6 = 31;
  static constexpr int kVkF6 = 0x75;

  // Fills in the fixed point as a user would type it.
  void FixPoint(std::string_view x, std::string_view y) {
    desk.Paste(Control::编辑框4, x);
    desk.Paste(Control::编辑框5, y);
  }

  std::size_t ClicksSince(std::size_t mark) const { return desk.clicks().size() - mark; }

  HeadlessDesktop desk;
  Controller logic{desk, desk};
};

}  // namespace ondrave::testing
