#include "headless/clicker_fixture.h"

namespace ondrave::testing {
namespace {

class ScheduleTest : public ClickerTest {
 protected:
  // Fills in the time and the point and sets the schedule, answering its notice.
  void SetSchedule(std::string_view hour, std::string_view minute, std::string_view second) {
    desk.ClearText(Control::编辑框2);
    desk.ClearText(Control::编辑框3);
    desk.ClearText(Control::编辑框6);
    desk.Paste(Control::编辑框2, hour);
    desk.Paste(Control::编辑框3, minute);
    desk.Paste(Control::编辑框6, second);
    FixPoint("50", "60");
    desk.AnswerNextMessage(kResultOk);
    desk.ClickButton(Control::按钮6);
  }
};

TEST_F(ScheduleTest, SettingShowsTheNoticeTheTextAndRegistersF4Once) {
  SetSchedule("8", "30", "00");
  EXPECT_EQ(desk.Caption(Control::按钮6), "取消");
  ASSERT_EQ(desk.messages().size(), 1u);
  EXPECT_EQ(desk.messages()[0].text, "时间到了自动点击的时候，想关闭的话请按下F4就行了。");
  EXPECT_EQ(desk.messages()[0].style, 0x1000u);
  EXPECT_EQ(desk.Caption(Control::标签11), "自动点击时间为：8时30分00秒");
  EXPECT_EQ(desk.registrations().back().virtualKey, kVkF4);
  EXPECT_EQ(logic.state().scheduleStopKeyId, 33003);
  EXPECT_EQ(desk.Period(Control::时钟4), 1000);

  desk.ClickButton(Control::按钮6);  // cancel
  EXPECT_EQ(desk.Caption(Control::按钮6), "确定");
  EXPECT_EQ(desk.Caption(Control::标签11), "已取消定时点击！");
  EXPECT_FALSE(desk.Running(Control::时钟4));

  desk.AnswerNextMessage(kResultOk);
  desk.ClickButton(Control::按钮6);  // set again
  EXPECT_EQ(desk.registrations().size(), 3u);
}

TEST_F(ScheduleTest, AnEmptyPointShowsTheStopMessageAndLeavesEverything) {
  desk.ClickButton(Control::按钮6);
  ASSERT_EQ(desk.messages().size(), 1u);
  EXPECT_EQ(desk.messages()[0].style, 0x1010u);
  EXPECT_EQ(desk.Caption(Control::按钮6), "确定");
  EXPECT_EQ(desk.Caption(Control::标签11), "自动点击时间为：");
  EXPECT_FALSE(desk.Running(Control::时钟4));
  EXPECT_EQ(desk.registrations().size(), 2u);
}

struct FireCase {
  const char* name;
  const char *hour, *minute, *second;
  int clockHour, clockMinute, clockSecond;  // the second in which it should fire
  bool fires;
};

class ScheduleFireTest : public ScheduleTest, public ::testing::WithParamInterface<FireCase> {};

TEST_P(ScheduleFireTest, FiresInTheSecondTheBoxesName) {
  const FireCase& c = GetParam();
  // The clock stands one second before the time; the matcher ticks each second.
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, c.clockHour, c.clockMinute, c.clockSecond) - 1.0 / 86400);
  SetSchedule(c.hour, c.minute, c.second);
  desk.Advance(999);
  EXPECT_FALSE(desk.Running(Control::时钟3));
  desk.Advance(1);
  EXPECT_EQ(desk.Running(Control::时钟3), c.fires);
  if (c.fires) {
    desk.Advance(100);
    EXPECT_EQ(desk.clicks().back().x, 50);
    EXPECT_EQ(desk.clicks().back().y, 60);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Times, ScheduleFireTest,
    ::testing::Values(FireCase{"HalfPastEight", "8", "30", "00", 8, 30, 0, true},
                      FireCase{"LeadingZeroHour", "08", "30", "00", 8, 30, 0, true},
                      FireCase{"EmptyBoxesAtMidnight", "", "", "00", 0, 0, 0, true},
                      FireCase{"FullWidthDigits", "２３", "５９", "５９", 23, 59, 59, true},
                      FireCase{"WrongSecond", "8", "30", "01", 8, 30, 0, false},
                      FireCase{"Hour24NeverFires", "24", "", "", 0, 0, 0, false},
                      FireCase{"NegativeHourNeverFires", "-1", "", "", 0, 0, 0, false},
                      FireCase{"FractionNeverFires", "8", "30", ".5", 8, 30, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScheduleTest, F4StopsItAndTheNextDayItFiresAgain) {
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, 8, 29, 59));
  SetSchedule("8", "30", "0");
  desk.Advance(1000);
  ASSERT_TRUE(desk.Running(Control::时钟3));
  desk.Advance(200);
  desk.PressHotkey(kVkF4);
  EXPECT_FALSE(desk.Running(Control::时钟3));
  EXPECT_EQ(desk.Caption(Control::按钮6), "确定");
  EXPECT_TRUE(desk.Running(Control::时钟4));
  EXPECT_EQ(desk.Caption(Control::标签11), "自动点击时间为：8时30分0秒");

  desk.Advance(24LL * 3600 * 1000 - 200 - 1);
  EXPECT_FALSE(desk.Running(Control::时钟3));
  desk.Advance(1);
  EXPECT_TRUE(desk.Running(Control::时钟3));
}

TEST_F(ScheduleTest, ACancelBeforeTheTimeMeansNoClicking) {
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, 8, 29, 50));
  SetSchedule("8", "30", "0");
  desk.ClickButton(Control::按钮6);
  desk.Advance(20000);
  EXPECT_TRUE(desk.clicks().empty());
}

TEST_F(ScheduleTest, ACancelWhileTheNoticeIsOpenIsFollowedByTheRestOfTheSet) {
  FixPoint("1", "1");
  std::string captionWhileOpen;
  desk.AnswerNextMessage([&](const ShownMessage&) {
    captionWhileOpen = desk.Caption(Control::按钮6);
    desk.ClickButton(Control::按钮6);
    EXPECT_EQ(desk.Caption(Control::标签11), "已取消定时点击！");
    return kResultOk;
  });
  desk.ClickButton(Control::按钮6);
  EXPECT_EQ(captionWhileOpen, "取消");
  EXPECT_EQ(desk.Caption(Control::按钮6), "确定");
  EXPECT_EQ(desk.Caption(Control::标签11), "自动点击时间为：时分00秒");
  EXPECT_EQ(desk.Period(Control::时钟4), 1000);
  EXPECT_EQ(logic.state().scheduleStopKeyPending, 0);
}

TEST_F(ScheduleTest, AStopIsUndoneByAnotherTickInTheMatchingSecond) {
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, 8, 29, 59));
  SetSchedule("8", "30", "0");
  desk.Advance(1000);
  desk.PressHotkey(kVkF4);
  ASSERT_FALSE(desk.Running(Control::时钟3));
  // The system clock is put back a second, so the matcher's next tick reads
  // 08:30:00 again.
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, 8, 29, 59));
  desk.Advance(1000);
  EXPECT_TRUE(desk.Running(Control::时钟3));
}

TEST_F(ScheduleTest, F4RefusedLeavesTheUpArrowAndTheCancelToStop) {
  ChooseStartStopKey(29);  // F4 taken as the start/stop key
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, 8, 29, 59));
  SetSchedule("8", "30", "0");
  EXPECT_EQ(logic.state().scheduleStopKeyId, 0);
  desk.Advance(1000);
  ASSERT_TRUE(desk.Running(Control::时钟3));
  desk.PressHotkey(kVkF4);  // reaches the start/stop branch only
  EXPECT_TRUE(desk.Running(Control::时钟3));
  desk.ClickButton(Control::按钮6);
  EXPECT_FALSE(desk.Running(Control::时钟3));
}

TEST_F(ScheduleTest, EditingTheBoxesMovesTheTimeAndRefreshBringsTheLabelUpToDate) {
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, 9, 14, 59));
  SetSchedule("8", "30", "0");
  desk.ClearText(Control::编辑框2);
  desk.ClearText(Control::编辑框3);
  desk.Paste(Control::编辑框2, "9");
  desk.Paste(Control::编辑框3, "15");
  EXPECT_EQ(desk.Caption(Control::标签11), "自动点击时间为：8时30分0秒");
  desk.Advance(1000);
  EXPECT_TRUE(desk.Running(Control::时钟3));

  desk.ClickButton(Control::按钮1);
  EXPECT_EQ(desk.Caption(Control::标签11), "自动点击时间为：9时15分0秒");
  EXPECT_EQ(desk.messages().back().text, "更新成功！");
  EXPECT_EQ(desk.messages().back().style, 0x1000u);
}

TEST_F(ScheduleTest, LeavingTheMinuteBoxMovesTheFocusToTheSecondBox) {
  desk.Focus(Control::编辑框3);
  desk.Focus(Control::按钮7);
  EXPECT_EQ(desk.FocusedControl(), Control::编辑框6);
  desk.Focus(Control::编辑框3);
  logic.OnEvent(Control::编辑框3, Event::LostFocus);
  EXPECT_EQ(desk.FocusedControl(), Control::编辑框6);
}

}  // namespace
}  // namespace ondrave::testing
