#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "app/control_model.h"
#include "app/keyboard_rules.h"
#include "app/timer_rules.h"
#include "app/window_table.h"

namespace ondrave {
namespace {

TEST(WindowTableTest, HoldsTheControlsByKindAndPlacesGroupChildrenAtTheirOffsets) {
  std::map<ControlKind, int> byKind;
  for (const ControlRow& s : ControlTable()) ++byKind[s.kind];
  EXPECT_EQ(ControlTable().size(), 37u);
  EXPECT_EQ(byKind[ControlKind::Timer], 5);
  EXPECT_EQ(byKind[ControlKind::EditBox], 6);
  EXPECT_EQ(byKind[ControlKind::GroupBox], 2);

  const std::tuple<Control, int, int> positions[] = {
      {Control::编辑框2, 9, 237}, {Control::按钮6, 7, 255}, {Control::组合框2, 74, 19}, {Control::编辑框4, 59, 184}};
  for (auto [c, x, y] : positions) {
    EXPECT_EQ(ClientPosition(c).x, x) << RowOf(c).name;
    EXPECT_EQ(ClientPosition(c).y, y) << RowOf(c).name;
  }
  EXPECT_EQ(RowOf(Control::组合框2).items.size(), 40u);
  EXPECT_EQ(RowOf(Control::组合框2).items[31], "F6");
  EXPECT_EQ(RowOf(Control::组合框1).items[RowOf(Control::组合框1).selectedIndex], "左键单击");
}

TEST(GradientTest, RunsRedYellowGreenAndCutsTowardsZero) {
  const int w = 86;  // 标签13: segments of 43 columns
  const std::tuple<int, Rgb> cases[] = {
      {0, {255, 0, 0}},   {21, {255, 124, 0}}, {43, {255, 255, 0}},
      {64, {130, 255, 0}}, {85, {5, 255, 0}},  {86, {0, 255, 0}},
  };
  for (auto [x, colour] : cases) EXPECT_EQ(GradientColumn(x, w), colour) << "column " << x;
  EXPECT_EQ(GradientColumn(0, 1), (Rgb{0, 255, 0}));  // too narrow to blend
}

TEST(PropertyRulesTest, ClampsAsTheWindowDoes) {
  EXPECT_EQ(ClampSelection(99, 4), 3);
  EXPECT_EQ(ClampSelection(-7, 4), -1);
  EXPECT_EQ(ClampSelection(2, 4), 2);
  EXPECT_EQ(ClampHeight(40000), 32627);
  EXPECT_EQ(ClampHeight(-1), 0);
  EXPECT_EQ(AsBoolean(5), 1);
  EXPECT_EQ(AsBoolean(0), 0);
}

TEST(TimerRulesTest, PeriodWritesFollowTheDesktopTimerRules) {
  using A = TimerPeriodWrite::Action;
  const std::tuple<int, int, A, int> cases[] = {
      {10, 10, A::Nothing, 10}, {1000, 500, A::Restart, 500}, {10, -5, A::Stop, 0},
      {0, 0, A::Nothing, 0},    {0, -5, A::Nothing, 0},       {0, 1, A::Restart, 1},
  };
  for (auto [stored, written, action, period] : cases) {
    const TimerPeriodWrite w = DecidePeriodWrite(stored, written);
    EXPECT_EQ(w.action, action) << stored << " <- " << written;
    EXPECT_EQ(w.newPeriod, period) << stored << " <- " << written;
  }
  EXPECT_EQ(EffectiveInterval(1), 10);
  EXPECT_EQ(EffectiveInterval(15), 15);
}

TEST(TimerRulesTest, LateTicksKeepTheRhythmAndMissedOnesAreDropped) {
  EXPECT_EQ(NextDue(100, 103, 10), 110);  // a little late: the next keeps the rhythm
  EXPECT_EQ(NextDue(100, 110, 10), 120);  // exactly one period late
  EXPECT_EQ(NextDue(100, 155, 10), 160);  // busy for five periods: one tick, then on
}

TEST(KeyboardRulesTest, TypedCharactersAreFilteredToDigitsAndMinus) {
  for (char32_t c : {U'0', U'9', U'-', U'\b', U'\x7'}) EXPECT_TRUE(EditAcceptsTypedChar(c)) << int(c);
  for (char32_t c : {U'a', U' ', U'+', U'.', U'１', U'时'}) EXPECT_FALSE(EditAcceptsTypedChar(c)) << int(c);
}

TEST(KeyboardRulesTest, TheTextLimitKeepsWhatFitsAtCharacterBoundaries) {
  EXPECT_EQ(FitToLimit("7", 2, 0, 2), "");
  EXPECT_EQ(FitToLimit("7", 1, 0, 2), "7");
  EXPECT_EQ(FitToLimit("123", 0, 0, 2), "12");
  EXPECT_EQ(FitToLimit("１２３", 0, 0, 2), "１２");
  EXPECT_EQ(FitToLimit("45", 2, 2, 2), "45");  // replacing a selection
  EXPECT_EQ(FitToLimit("abcdef", 3, 0, 0), "abcdef");
  EXPECT_EQ(CharacterCount("a时"), 2u);
}

TEST(KeyboardRulesTest, TabVisitsTheControlsAgainstTheTableAndWraps) {
  const InKeyboardOrder startingStates = [](Control c) { return IsTabStop(RowOf(c).kind) && !RowOf(c).disabled; };
  const std::vector<Control> expected{Control::编辑框2, Control::编辑框3, Control::按钮6, Control::编辑框5,
                                      Control::按钮7,   Control::按钮8,   Control::编辑框4, Control::组合框2,
                                      Control::选择框1, Control::编辑框6, Control::按钮1,  Control::按钮2,
                                      Control::选择框2, Control::编辑框2};
  ASSERT_EQ(DefaultFocus(startingStates), Control::编辑框2);
  for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
    EXPECT_EQ(TabTarget(expected[i], true, startingStates), expected[i + 1]) << RowOf(expected[i]).name;
    EXPECT_EQ(TabTarget(expected[i + 1], false, startingStates), expected[i]) << RowOf(expected[i + 1]).name;
  }
  // A focused control outside the order counts at its own place.
  EXPECT_EQ(TabTarget(Control::标签8, true, startingStates), Control::编辑框5);
  EXPECT_EQ(TabTarget(Control::标签8, false, startingStates), Control::按钮6);
  EXPECT_EQ(TabTarget(std::nullopt, true, [](Control) { return false; }), std::nullopt);
}

}  // namespace
}  // namespace ondrave
