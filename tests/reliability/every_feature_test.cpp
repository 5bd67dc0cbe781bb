// One run through every feature of the program, ended with Esc. In the
// sanitizer build the program checks its heap for leaks as it exits, and a
// leak makes the exit code non-zero, so this test is the leak check of a
// whole session.
#include "reliability_fixture.h"

#include <X11/keysym.h>
#include <sys/wait.h>

#include <thread>

namespace ondrave::testing {
namespace {

using namespace std::chrono_literals;

constexpr ScreenRect kProbeArea{0, 0, 300, 200};

class EveryFeatureTest : public ReliabilityTest {};

TEST_F(EveryFeatureTest, ASessionThroughEveryFeatureEndsWithZeroOnEsc) {
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  // Window options and help.
  ClickControl(Control::选择框1);
  ClickControl(Control::选择框1);
  ShowLowerPart();
  ClickControl(Control::按钮2);
  AnswerMessageBox();
  ClickControl(Control::按钮8);
  AnswerMessageBox();
  ClickControl(Control::超级链接框1);

  // Continuous clicking with a chosen key; another key chosen after it.
  ExpectContinuousClicking(probe, 31, XK_F6, {150, 100});
  ExpectContinuousClicking(probe, 0, XK_A, {120, 90}, 31);

  // The lock refuses without a point, then F1 captures one; the notice is
  // answered No once, then Yes.
  ClickControl(Control::按钮7);
  AnswerMessageBox();
  CaptureAt({40, 30});
  ClickControl(Control::按钮7);
  AnswerMessageBox(true);  // No
  ExpectNoClicks(probe);
  StartLock();
  ASSERT_TRUE(probe.WaitForRecords(10)) << "the lock did not click";
  Press(XK_Up);
  std::this_thread::sleep_for(100ms);
  DiscardClicks(probe);

  // A schedule set and refreshed; F4 turns the button back to "确定", so
  // the next click sets it again and the one after cancels. The minute box
  // hands the focus on when it is left.
  TypeInto(Control::编辑框2, "23");
  TypeInto(Control::编辑框3, "59");
  ClickControl(Control::按钮6);
  AnswerMessageBox();
  ClickControl(Control::按钮1);
  AnswerMessageBox();
  Press(XK_F4);
  ClickControl(Control::按钮6);
  AnswerMessageBox();
  ClickControl(Control::按钮6);
  Press(XK_Tab);

  // Hidden and shown again.
  Press(XK_F3);
  EXPECT_TRUE(WaitUntil([&] { return !MainWindowViewable(); }));
  Press(XK_F3);
  EXPECT_TRUE(WaitUntil([&] { return MainWindowViewable(); }));
  // The clock has ticked a few times by now.
  std::this_thread::sleep_for(1100ms);

  ASSERT_TRUE(MessageBoxes().empty()) << "a message box is still open";
  ClickControl(Control::标签1);
  Press(XK_Escape);
  const std::optional<int> status = program_->WaitForExit(5s);
  ASSERT_TRUE(status.has_value()) << "Esc did not end the program";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status) << "\n"
                                                               << program_->Output();
}

}  // namespace
}  // namespace ondrave::testing
