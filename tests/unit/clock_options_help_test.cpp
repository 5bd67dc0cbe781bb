#include "headless/clicker_fixture.h"

namespace ondrave::testing {
namespace {

using ClockTest = ClickerTest;

TEST_F(ClockTest, TheClockLabelShowsTheTimeEverySecondAndTrimsEachTime) {
  desk.SetLocalTime(MakeDateTime(2020, 1, 2, 8, 5, 2));
  desk.Advance(999);
  EXPECT_EQ(desk.Caption(Control::标签10), "");
  EXPECT_EQ(desk.trims(), 0);
  desk.Advance(1);
  EXPECT_EQ(desk.Caption(Control::标签10), "2020年1月2日8时5分3秒");
  EXPECT_EQ(desk.trims(), 1);
  desk.Advance(57000);
  EXPECT_EQ(desk.Caption(Control::标签10), "2020年1月2日8时6分");
  EXPECT_EQ(desk.trims(), 58);
}

using WindowOptionsTest = ClickerTest;

TEST_F(WindowOptionsTest, TheCheckBoxesSetKeepOnTopAndTheHeight) {
  desk.ClickButton(Control::选择框1);
  EXPECT_EQ(desk.AlwaysOnTop(), 1);
  desk.ClickButton(Control::选择框1);
  EXPECT_EQ(desk.AlwaysOnTop(), 0);

  EXPECT_EQ(desk.OuterHeight(), 183);
  desk.ClickButton(Control::选择框2);
  EXPECT_EQ(desk.OuterHeight(), 347);
  desk.ClickButton(Control::选择框2);
  EXPECT_EQ(desk.OuterHeight(), 183);
}

TEST_F(WindowOptionsTest, HelpButtonsShowTheirTextsAndLeaveTheClickersRunning) {
  const std::pair<Control, std::string> cases[] = {
      {Control::按钮2, "F3显示/隐藏界面\r\nF1取X、Y坐标\r\n定时点击功能关闭的时候按F4键就能关闭\r\n上键关闭锁定点击功能！"},
      {Control::按钮8,
       "用法：\r\n按F1键开启取鼠标横纵坐标功能。然后选好位置了，按F1键结束取坐标功能，X坐标和Y坐标就会显示在编辑框里"},
  };
  desk.PressHotkey(kVkF1);
  for (const auto& [button, text] : cases) {
    desk.ClickButton(button);
    EXPECT_EQ(desk.messages().back().text, text);
    EXPECT_EQ(desk.messages().back().style, 0x1000u);
  }
  EXPECT_TRUE(desk.Running(Control::时钟2));
}

TEST_F(WindowOptionsTest, MessagesNestWhileHandlersRunInsideThem) {
  // A help box, inside it the usage box, inside that an F1 press and ticks.
  int deepest = 0;
  desk.AnswerNextMessage([&](const ShownMessage&) {
    desk.AnswerNextMessage([&](const ShownMessage& inner) {
      deepest = inner.depth;
      desk.PressHotkey(kVkF1);
      desk.MovePointer(7, 8);
      desk.Advance(10);
      return kResultOk;
    });
    desk.ClickButton(Control::按钮8);
    return kResultOk;
  });
  desk.ClickButton(Control::按钮2);
  EXPECT_EQ(deepest, 2);
  EXPECT_EQ(desk.openMessages(), 0);
  EXPECT_EQ(desk.Text(Control::编辑框4), "7");
  EXPECT_EQ(logic.state().captureArmed, 0);
}

}  // namespace
}  // namespace ondrave::testing
