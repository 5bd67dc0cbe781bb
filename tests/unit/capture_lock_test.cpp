#include "headless/clicker_fixture.h"

namespace ondrave::testing {
namespace {

using CaptureTest = ClickerTest;

TEST_F(CaptureTest, F1SwitchesCaptureOnAndOffAndTheBoxesKeepTheLastPosition) {
  EXPECT_EQ(desk.Caption(Control::标签12), "已关闭");
  desk.PressHotkey(kVkF1);
  EXPECT_EQ(desk.Caption(Control::标签12), "已开启！");
  EXPECT_EQ(desk.Period(Control::时钟2), 10);

  desk.MovePointer(640, 480);
  desk.Advance(10);
  EXPECT_EQ(desk.Text(Control::编辑框4), "640");
  EXPECT_EQ(desk.Text(Control::编辑框5), "480");
  desk.MovePointer(-15, -3);
  desk.Advance(10);
  EXPECT_EQ(desk.Text(Control::编辑框4), "-15");
  EXPECT_EQ(desk.Text(Control::编辑框5), "-3");

  desk.PressHotkey(kVkF1);
  EXPECT_EQ(desk.Caption(Control::标签12), "已关闭！");
  EXPECT_EQ(logic.state().captureArmed, 1);
  desk.MovePointer(1, 1);
  desk.Advance(100);
  EXPECT_EQ(desk.Text(Control::编辑框4), "-15");
}

TEST_F(CaptureTest, TypedCoordinatesAreOverwrittenAtTheNextTick) {
  desk.PressHotkey(kVkF1);
  desk.MovePointer(5, 6);
  desk.Type(Control::编辑框4, "99");
  desk.Advance(10);
  EXPECT_EQ(desk.Text(Control::编辑框4), "5");
}

using LockTest = ClickerTest;

TEST_F(LockTest, AnEmptyBoxShowsTheStopMessageAndChangesNothing) {
  const std::pair<std::string, std::string> boxes[] = {{"", ""}, {"", "5"}, {"5", ""}};
  for (const auto& [x, y] : boxes) {
    desk.SetText(Control::编辑框4, x);
    desk.SetText(Control::编辑框5, y);
    const std::size_t before = desk.messages().size();
    desk.ClickButton(Control::按钮7);
    ASSERT_EQ(desk.messages().size(), before + 1);
    EXPECT_EQ(desk.messages().back().text, "请按下F1键获取要点击的X或Y坐标不然无法定时点击！");
    EXPECT_EQ(desk.messages().back().style, 0x1010u);
  }
  EXPECT_EQ(desk.registrations().size(), 2u);
  EXPECT_EQ(logic.state().lockStopKeyPending, 1);
  EXPECT_FALSE(desk.Running(Control::时钟3));
}

TEST_F(LockTest, YesStartsClickingAtThePointUntilUpAndTheNoticeIsNotShownAgain) {
  FixPoint("120", "45");
  desk.AnswerNextMessage(kResultYes);
  desk.ClickButton(Control::按钮7);
  ASSERT_EQ(desk.messages().size(), 1u);
  EXPECT_EQ(desk.messages()[0].text, " 上键 关闭锁定，按确定钮每次点击锁定按钮不出现此信息框");
  EXPECT_EQ(desk.messages()[0].style, 0x1004u);
  EXPECT_EQ(desk.registrations().back().virtualKey, kVkUp);
  EXPECT_EQ(logic.state().lockStopKeyId, 33003);
  EXPECT_EQ(logic.state().lockStopKeyPending, 0);

  desk.Advance(1000);
  ASSERT_EQ(desk.clicks().size(), 100u);
  EXPECT_EQ(desk.clicks().back().x, 120);
  EXPECT_EQ(desk.clicks().back().y, 45);
  EXPECT_EQ(desk.PointerX(), 120);

  desk.PressHotkey(kVkUp);
  desk.Advance(1000);
  EXPECT_EQ(desk.clicks().size(), 100u);

  desk.ClickButton(Control::按钮7);
  EXPECT_EQ(desk.messages().size(), 1u);
  EXPECT_TRUE(desk.Running(Control::时钟3));
  EXPECT_EQ(desk.registrations().size(), 3u);
}

TEST_F(LockTest, NoStartsNothingAndTheNextClickAsksAgain) {
  FixPoint("1", "1");
  desk.AnswerNextMessage(kResultNo);
  desk.ClickButton(Control::按钮7);
  EXPECT_FALSE(desk.Running(Control::时钟3));
  EXPECT_EQ(logic.state().lockNoticeAccepted, 0);

  desk.AnswerNextMessage(kResultYes);
  desk.ClickButton(Control::按钮7);
  EXPECT_EQ(desk.messages().size(), 2u);
  EXPECT_TRUE(desk.Running(Control::时钟3));
  EXPECT_EQ(desk.registrations().size(), 3u);  // the Up arrow only once
}

TEST_F(LockTest, AClickWhileRunningKeepsTheRhythm) {
  FixPoint("1", "1");
  desk.AnswerNextMessage(kResultYes);
  desk.ClickButton(Control::按钮7);
  desk.Advance(15);
  desk.ClickButton(Control::按钮7);
  desk.Advance(5);
  EXPECT_EQ(desk.clicks().size(), 2u);
  EXPECT_EQ(desk.clicks()[1].atMs, 20);
}

TEST_F(LockTest, BoxesAndKindAreReadAtEveryTick) {
  FixPoint("10", "20");
  desk.AnswerNextMessage(kResultYes);
  desk.ClickButton(Control::按钮7);
  desk.Advance(10);
  desk.SetText(Control::编辑框4, "-30");
  desk.SetText(Control::编辑框5, "abc");
  desk.SetSelectedIndex(Control::组合框1, -1);
  desk.Advance(10);
  ASSERT_EQ(desk.clicks().size(), 2u);
  EXPECT_EQ(desk.clicks()[1].x, -30);
  EXPECT_EQ(desk.clicks()[1].y, 0);
  EXPECT_EQ(desk.clicks()[1].kind, -1);  // passed unchanged; the desktop clicks it as left single
}

TEST_F(LockTest, AnUpPressWhileTheNoticeIsOpenStopsTheClickerTheScheduleStarted) {
  FixPoint("1", "1");
  // The boxes as created (hour and minute empty, second "00") fire at midnight.
  desk.SetLocalTime(MakeDateTime(2024, 5, 1, 23, 59, 59));
  desk.AnswerNextMessage(kResultOk);
  desk.ClickButton(Control::按钮6);
  desk.Advance(1000);
  ASSERT_TRUE(desk.Running(Control::时钟3));

  bool stoppedWhileOpen = false;
  std::size_t clicksWhileOpen = 0;
  desk.AnswerNextMessage([&](const ShownMessage& shown) {
    EXPECT_EQ(shown.style, 0x1004u);
    const std::size_t mark = desk.clicks().size();
    desk.Advance(30);
    clicksWhileOpen = desk.clicks().size() - mark;
    desk.PressHotkey(kVkUp);  // registered just before the notice opened
    stoppedWhileOpen = !desk.Running(Control::时钟3);
    return kResultNo;
  });
  desk.ClickButton(Control::按钮7);
  EXPECT_EQ(clicksWhileOpen, 3u);
  EXPECT_TRUE(stoppedWhileOpen);
  EXPECT_FALSE(desk.Running(Control::时钟3));
}

TEST(LockRefusalTest, ARefusedUpArrowNeverStopsTheClickerButACancelDoes) {
  HeadlessDesktop desk;
  desk.HeldByAnotherClient(kVkUp);
  Controller logic(desk, desk);
  desk.Start(logic);
  desk.Paste(Control::编辑框4, "1");
  desk.Paste(Control::编辑框5, "1");
  desk.AnswerNextMessage(kResultYes);
  desk.ClickButton(Control::按钮7);
  EXPECT_EQ(logic.state().lockStopKeyId, 0);
  EXPECT_EQ(logic.state().lockStopKeyPending, 0);
  desk.PressHotkey(kVkUp);
  EXPECT_TRUE(desk.Running(Control::时钟3));

  desk.AnswerNextMessage(kResultOk);
  desk.ClickButton(Control::按钮6);  // set
  desk.ClickButton(Control::按钮6);  // cancel
  EXPECT_FALSE(desk.Running(Control::时钟3));
}

}  // namespace
}  // namespace ondrave::testing
