#include "headless/clicker_fixture.h"

namespace ondrave::testing {
namespace {

TEST(StartupTest, CreatedRegistersF3ThenF1AndSetsTheStartingFlags) {
  HeadlessDesktop desk;
  Controller logic(desk, desk);
  desk.Start(logic);

  ASSERT_EQ(desk.registrations().size(), 2u);
  EXPECT_EQ(desk.registrations()[0].virtualKey, kVkF3);
  EXPECT_EQ(desk.registrations()[1].virtualKey, kVkF1);
  for (const Registration& r : desk.registrations()) {
    EXPECT_EQ(r.modifierWord, 0);
    EXPECT_EQ(r.sink, Control::标签1);
  }
  const ControllerState& s = logic.state();
  EXPECT_EQ(s.showHideKeyId, 33001);
  EXPECT_EQ(s.captureKeyId, 33002);
  EXPECT_EQ(s.captureArmed, 1);
  EXPECT_EQ(s.lockStopKeyPending, 1);
  EXPECT_EQ(s.lockNoticeAccepted, 0);
  EXPECT_EQ(s.scheduleStopKeyPending, 1);
  EXPECT_EQ(s.lockStopKeyId, 0);
  EXPECT_EQ(s.startStopKeyId, 0);
  EXPECT_EQ(s.startStopArmed, 0);
  EXPECT_EQ(s.scheduleStopKeyId, 0);
  EXPECT_EQ(desk.Visible(), 1);
  EXPECT_EQ(desk.FocusedControl(), Control::编辑框2);
}

struct RefusalCase {
  const char* name;
  std::vector<std::int32_t> heldElsewhere;
  HotkeyId showHide, capture;
  bool f3Hides, f1Captures;
};

class StartupRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(StartupRefusalTest, ARefusedKeyLeavesZeroAndDoesNothingWhileTheOtherWorks) {
  const RefusalCase& c = GetParam();
  HeadlessDesktop desk;
  for (std::int32_t key : c.heldElsewhere) desk.HeldByAnotherClient(key);
  Controller logic(desk, desk);
  desk.Start(logic);

  EXPECT_EQ(logic.state().showHideKeyId, c.showHide);
  EXPECT_EQ(logic.state().captureKeyId, c.capture);

  desk.PressHotkey(kVkF3);
  EXPECT_EQ(desk.Visible(), c.f3Hides ? 0 : 1);
  desk.PressHotkey(kVkF1);
  EXPECT_EQ(desk.Running(Control::时钟2), c.f1Captures);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupRefusalTest,
    ::testing::Values(RefusalCase{"none", {}, 33001, 33002, true, true},
                      RefusalCase{"f3", {kVkF3}, 0, 33002, false, true},
                      RefusalCase{"f1", {kVkF1}, 33001, 0, true, false},
                      RefusalCase{"both", {kVkF3, kVkF1}, 0, 0, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

using DispatchTest = ClickerTest;

TEST_F(DispatchTest, F3HidesAndShowsWhileTheClickersGoOn) {
  ChooseStartStopKey(kItemF6);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF6);
  desk.PressHotkey(kVkF1);

  desk.PressHotkey(kVkF3);
  EXPECT_EQ(desk.Visible(), 0);
  const std::size_t mark = desk.clicks().size();
  desk.Advance(100);
  EXPECT_EQ(ClicksSince(mark), 10u);
  EXPECT_EQ(desk.Text(Control::编辑框4), "0");

  desk.PressHotkey(kVkF3);
  EXPECT_EQ(desk.Visible(), 1);
  EXPECT_TRUE(desk.Running(Control::时钟1));
  EXPECT_TRUE(desk.Running(Control::时钟2));
}

TEST_F(DispatchTest, FeedbackWithAnUnknownIdOrOnAnotherLabelDoesNothing) {
  const ControllerState before = logic.state();
  logic.OnEvent(Control::标签1, Event::Feedback, 0, 0);
  logic.OnEvent(Control::标签1, Event::Feedback, 40000, 0);
  logic.OnEvent(Control::标签2, Event::Feedback, 33001, 0);
  EXPECT_EQ(desk.Visible(), 1);
  EXPECT_EQ(logic.state().captureArmed, before.captureArmed);

  logic.OnEvent(Control::标签1, Event::Feedback, 33001, 0);
  EXPECT_EQ(desk.Visible(), 0);
}

TEST(BindingTest, TheLogicHandlesExactlyThePairsTheWindowTableBinds) {
  const Event events[] = {Event::Clicked, Event::ItemSelected, Event::LostFocus, Event::Feedback, Event::Tick};
  for (const ControlRow& s : ControlTable())
    for (Event e : events)
      EXPECT_EQ(Controller::IsBound(s.id, e), s.boundEvent == e) << s.name << " event " << static_cast<int>(e);
}

}  // namespace
}  // namespace ondrave::testing
