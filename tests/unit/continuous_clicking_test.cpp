#include "headless/clicker_fixture.h"

namespace ondrave::testing {
namespace {

using ContinuousClickingTest = ClickerTest;

TEST_F(ContinuousClickingTest, ChoosingF6ArmsItsSecondPressStartsAndTheThirdStops) {
  ChooseStartStopKey(kItemF6);
  EXPECT_EQ(desk.registrations().back().virtualKey, kVkF6);
  EXPECT_EQ(logic.state().startStopKeyId, 33003);
  EXPECT_EQ(logic.state().startStopArmed, 0);
  EXPECT_EQ(desk.FocusedControl(), Control::编辑框1);

  desk.MovePointer(300, 200);
  desk.PressHotkey(kVkF6);
  desk.Advance(1000);
  EXPECT_TRUE(desk.clicks().empty());

  desk.PressHotkey(kVkF6);
  EXPECT_EQ(desk.Period(Control::时钟1), 10);
  desk.Advance(1000);
  ASSERT_EQ(desk.clicks().size(), 100u);
  for (const RecordedClick& c : desk.clicks()) {
    EXPECT_EQ(c.x, 300);
    EXPECT_EQ(c.y, 200);
    EXPECT_EQ(c.kind, 0);
  }

  desk.PressHotkey(kVkF6);
  desk.Advance(1000);
  EXPECT_EQ(desk.clicks().size(), 100u);
}

TEST_F(ContinuousClickingTest, EveryTickClicksWhereThePointerIsNow) {
  ChooseStartStopKey(kItemF6);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  desk.Advance(10);
  desk.MovePointer(-40, 7);
  desk.Advance(10);
  ASSERT_EQ(desk.clicks().size(), 2u);
  EXPECT_EQ(desk.clicks()[1].x, -40);
  EXPECT_EQ(desk.clicks()[1].y, 7);
}

struct PressCase {
  const char* name;
  std::int32_t armed;
  bool running;
  std::string box;
  std::int32_t nextArmed;
  bool nextRunning;
  std::int32_t nextPeriod;
  bool message;
};

class StartStopPressTest : public ClickerTest, public ::testing::WithParamInterface<PressCase> {};

// The start/stop key's state table, entered by setting the state up through
// real presses and the interval box's text.
TEST_P(StartStopPressTest, FollowsTheStateTable) {
  const PressCase& c = GetParam();
  ChooseStartStopKey(kItemF6);  // armed 0, stopped
  if (c.running || c.armed == 1) desk.PressHotkey(kVkF6);  // armed 1, stopped
  if (c.running) desk.PressHotkey(kVkF6);                  // armed 0, running at 10
  ASSERT_EQ(logic.state().startStopArmed, c.armed);
  ASSERT_EQ(desk.Running(Control::时钟1), c.running);

  desk.SetText(Control::编辑框1, c.box);
  desk.PressHotkey(kVkF6);

  EXPECT_EQ(logic.state().startStopArmed, c.nextArmed);
  EXPECT_EQ(desk.Running(Control::时钟1), c.nextRunning);
  EXPECT_EQ(desk.Period(Control::时钟1), c.nextPeriod);
  ASSERT_EQ(desk.messages().size(), c.message ? 1u : 0u);
  if (c.message) {
    EXPECT_EQ(desk.messages()[0].text, "请设置秒数！");
    EXPECT_EQ(desk.messages()[0].style, 0x1000u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, StartStopPressTest,
    ::testing::Values(PressCase{"EmptyBoxWhileStopped", 1, false, "", 1, false, 0, true},
                      PressCase{"EmptyBoxWhileRunning", 0, true, "", 0, true, 10, true},
                      PressCase{"ArmedZeroStopped", 0, false, "10", 1, false, 0, false},
                      PressCase{"ArmedZeroRunning", 0, true, "10", 1, false, 0, false},
                      PressCase{"ArmedStarts", 1, false, "10", 0, true, 10, false},
                      PressCase{"ArmedTakesTheBoxAsItIsNow", 1, false, "250", 0, true, 250, false},
                      PressCase{"ZeroLeavesItOff", 1, false, "0", 0, false, 0, false},
                      PressCase{"NegativeLeavesItOff", 1, false, "-5", 0, false, 0, false},
                      PressCase{"DashLeavesItOff", 1, false, "-", 0, false, 0, false},
                      PressCase{"FullWidthDigits", 1, false, "２０", 0, true, 20, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ContinuousClickingTest, AShortPeriodTicksAtTheTimerFloor) {
  ChooseStartStopKey(kItemF6);
  desk.SetText(Control::编辑框1, "1");
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  desk.Advance(1000);
  EXPECT_EQ(desk.clicks().size(), 100u);
}

TEST_F(ContinuousClickingTest, ANewKeyLeavesClickingOnAndTheOldKeyDoesNothing) {
  ChooseStartStopKey(kItemF6);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  ChooseStartStopKey(0);  // "A"
  EXPECT_TRUE(desk.Running(Control::时钟1));

  desk.PressHotkey(kVkF6);
  EXPECT_TRUE(desk.Running(Control::时钟1));
  desk.PressHotkey('A');
  EXPECT_FALSE(desk.Running(Control::时钟1));
}

TEST_F(ContinuousClickingTest, TheClickKindIsReadAtEveryTickAndNoSelectionClicksNothing) {
  ChooseStartStopKey(kItemF6);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  desk.SetSelectedIndex(Control::组合框1, 3);
  desk.Advance(10);
  desk.SetSelectedIndex(Control::组合框1, -1);
  desk.Advance(50);
  desk.SetSelectedIndex(Control::组合框1, 2);
  desk.Advance(10);
  ASSERT_EQ(desk.clicks().size(), 2u);
  EXPECT_EQ(desk.clicks()[0].kind, 3);
  EXPECT_EQ(desk.clicks()[1].kind, 2);
}

TEST_F(ContinuousClickingTest, ChangingTheIntervalWhileOnTakesEffectOnlyAfterOffAndOn) {
  ChooseStartStopKey(kItemF6);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  desk.SetText(Control::编辑框1, "100");
  desk.Advance(100);
  EXPECT_EQ(desk.clicks().size(), 10u);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  desk.Advance(1000);
  EXPECT_EQ(desk.clicks().size(), 20u);
}

struct ChoiceCase {
  const char* name;
  std::vector<int> items;  // chosen one after the other
  HotkeyId finalId;
};

class StartStopChoiceTest : public ClickerTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(StartStopChoiceTest, RefusedChoicesLeaveNoStartStopKey) {
  for (int item : GetParam().items) ChooseStartStopKey(item);
  EXPECT_EQ(logic.state().startStopKeyId, GetParam().finalId);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, StartStopChoiceTest,
    ::testing::Values(ChoiceCase{"F1IsTaken", {26}, 0}, ChoiceCase{"F3IsTaken", {28}, 0},
                      ChoiceCase{"AThenBThenA", {0, 1, 0}, 0}, ChoiceCase{"AThenB", {0, 1}, 33004},
                      ChoiceCase{"End", {39}, 33003}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ContinuousClickingTest, ChoosingF1KeepsF1ForCapture) {
  ChooseStartStopKey(26);
  desk.PressHotkey(kVkF1);
  EXPECT_TRUE(desk.Running(Control::时钟2));
  EXPECT_FALSE(desk.Running(Control::时钟1));
}

TEST_F(ContinuousClickingTest, KeysOfTheListRegisterTheirVirtualKeys) {
  const std::pair<int, std::int32_t> cases[] = {{0, 0x41}, {25, 0x5A}, {26, 0x70}, {37, 0x7B}, {38, 0x24}, {39, 0x23}};
  for (auto [item, vk] : cases) {
    ChooseStartStopKey(item);
    EXPECT_EQ(desk.registrations().back().virtualKey, vk) << "item " << item;
  }
}

TEST_F(ContinuousClickingTest, ClickingGoesOnBehindAnOpenMessage) {
  ChooseStartStopKey(kItemF6);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  std::size_t clicksWhileOpen = 0;
  desk.AnswerNextMessage([&](const ShownMessage&) {
    const std::size_t mark = desk.clicks().size();
    desk.Advance(200);
    clicksWhileOpen = desk.clicks().size() - mark;
    return kResultOk;
  });
  desk.ClickButton(Control::按钮2);
  EXPECT_EQ(clicksWhileOpen, 20u);
}

}  // namespace
}  // namespace ondrave::testing
