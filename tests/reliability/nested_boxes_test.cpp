// Message boxes nested five deep while all three clickers run and hotkeys
// are pressed, then closed in different orders. Each box's handler waits
// inside the one opened before it and goes on only when every box opened
// after it is closed; afterwards the state is what the handlers, run to
// their ends, leave behind.
#include "reliability_fixture.h"

#include <X11/keysym.h>
#include <sys/wait.h>

#include <thread>

namespace ondrave::testing {
namespace {

using namespace std::chrono_literals;

constexpr ScreenRect kProbeArea{0, 0, 300, 200};
constexpr RootPoint kContinuousPoint{200, 150};
constexpr RootPoint kFirstCapture{40, 30};
constexpr RootPoint kLockPoint{100, 60};

// The boxes in the order they are opened, each from inside the one before.
enum Box { kLockNotice, kHotkeyHelp, kScheduleNotice, kUsageHelp, kRefreshed, kBoxCount };
constexpr Control kOpenedBy[kBoxCount] = {Control::按钮7, Control::按钮2, Control::按钮6, Control::按钮8,
                                          Control::按钮1};

struct CloseOrder {
  const char* name;
  std::vector<Box> order;
};

class NestedBoxesTest : public ReliabilityTest {
 protected:
  // Opens the five boxes, each from inside the one before, the main window
  // moved out of their way first; returns them in order.
  std::vector<Window> OpenNestedBoxes() {
    for (int box = 0; box < kBoxCount; ++box) {
      ClickControl(kOpenedBy[box]);
      const std::vector<Window> boxes = WaitForMessageBoxes(box + 1);
      EXPECT_EQ(boxes.size(), static_cast<std::size_t>(box + 1))
          << "box " << box << " did not open; program output:\n" << program_->Output();
      if (boxes.size() != static_cast<std::size_t>(box + 1)) return {};
    }
    return MessageBoxes();
  }

  // Clicks at each of these points since the probe was last read.
  int ClicksAt(ProbeWindow& probe, RootPoint p) {
    probe.Collect();
    int count = 0;
    for (const ButtonRecord& r : probe.Records()) count += r.press && r.x == p.x && r.y == p.y;
    return count;
  }
};

class CloseOrderTest : public NestedBoxesTest, public ::testing::WithParamInterface<CloseOrder> {};

TEST_P(CloseOrderTest, HandlersResumeInsideOutAndLeaveTheirState) {
  ShowLowerPart();
  // Out of the way of the boxes, which are centred on the screen.
  MoveMainWindowTo(20, 240);
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  ChooseItem(Control::组合框2, 31);  // "F6"
  CaptureAt(kFirstCapture);

  const std::vector<Window> boxes = OpenNestedBoxes();
  ASSERT_EQ(boxes.size(), static_cast<std::size_t>(kBoxCount));

  // From here on the pointer stays over the probe: continuous clicking
  // clicks wherever it is.
  MovePointer(kContinuousPoint);
  Press(XK_F6);  // arms
  Press(XK_F6);  // starts
  DiscardClicks(probe);
  ASSERT_TRUE(probe.WaitForRecords(20)) << "continuous clicking did not start behind the boxes";
  // F3 hides and shows the window behind the boxes.
  Press(XK_F3);
  EXPECT_TRUE(WaitUntil([&] { return !MainWindowViewable(); })) << "F3 did not hide the window";
  Press(XK_F3);
  EXPECT_TRUE(WaitUntil([&] { return MainWindowViewable(); })) << "F3 did not show the window";
  // Capture moves the fixed point while the boxes wait.
  CaptureAt(kLockPoint);
  MovePointerWhileClicking(kContinuousPoint);
  // Up is registered (the lock button passed its check) and stops a lock
  // that does not run yet; F4 is not registered yet: both change nothing.
  Press(XK_Up);
  Press(XK_F4);
  DiscardClicks(probe);

  for (std::size_t i = 0; i < GetParam().order.size(); ++i) {
    const Box box = GetParam().order[i];
    SCOPED_TRACE("closing box " + std::to_string(box));
    AnswerBox(boxes[box]);  // OK, and Yes for the lock notice
    ASSERT_TRUE(ProgramRuns()) << program_->Output();
    std::this_thread::sleep_for(150ms);
    // The lock notice's handler goes on only when every box is closed.
    if (i + 1 < GetParam().order.size()) {
      EXPECT_EQ(ClicksAt(probe, kLockPoint), 0) << "the lock started before its handler could go on";
      EXPECT_GT(ClicksAt(probe, kContinuousPoint), 0)
          << "continuous clicking stopped behind the boxes; " << DescribePointer() << ", probe 0x" << std::hex
          << probe.Id() << ", main window 0x" << window_;
      DiscardClicks(probe);
    }
  }
  EXPECT_TRUE(MessageBoxes().empty());

  // The lock notice was answered Yes: the lock clicks at the point captured
  // last, moving the pointer there, so continuous clicking follows it.
  ASSERT_TRUE(WaitUntil([&] { return ClicksAt(probe, kLockPoint) >= 10; })) << "the lock did not start";
  Press(XK_F6);  // continuous clicking off; the lock goes on alone
  std::this_thread::sleep_for(100ms);
  DiscardClicks(probe);
  ASSERT_TRUE(WaitUntil([&] { return ClicksAt(probe, kLockPoint) >= 10; })) << "the lock stopped with F6";
  // The schedule's handler went on to register F4, which stops the lock.
  Press(XK_F4);
  std::this_thread::sleep_for(100ms);
  DiscardClicks(probe);
  ExpectNoClicks(probe);

  ClickControl(Control::标签1);
  Press(XK_Escape);
  const std::optional<int> status = program_->WaitForExit(5s);
  ASSERT_TRUE(status.has_value()) << "Esc did not end the program";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status) << "\n"
                                                               << program_->Output();
}

// The window closed (by its close box, through the window manager) while
// the clickers run and five handlers wait in their boxes: the boxes go with
// it, every waiting handler runs to its end against a closed window, and
// the program ends with 0.
TEST_F(NestedBoxesTest, ClosingTheWindowUnderNestedBoxesEndsTheProgramWithZero) {
  ShowLowerPart();
  MoveMainWindowTo(20, 240);
  ChooseItem(Control::组合框2, 31);  // "F6"
  CaptureAt(kFirstCapture);
  ASSERT_EQ(OpenNestedBoxes().size(), static_cast<std::size_t>(kBoxCount));
  MovePointer(kContinuousPoint);
  Press(XK_F6);
  Press(XK_F6);
  Press(XK_F1);  // capture on as well

  XEvent close{};
  close.xclient.type = ClientMessage;
  close.xclient.window = window_;
  close.xclient.message_type = XInternAtom(user_.get(), "WM_PROTOCOLS", False);
  close.xclient.format = 32;
  close.xclient.data.l[0] = static_cast<long>(XInternAtom(user_.get(), "WM_DELETE_WINDOW", False));
  close.xclient.data.l[1] = CurrentTime;
  XSendEvent(user_.get(), window_, False, NoEventMask, &close);
  XSync(user_.get(), False);

  const std::optional<int> status = program_->WaitForExit(5s);
  ASSERT_TRUE(status.has_value()) << "closing the window under nested boxes did not end the program";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status) << "\n"
                                                               << program_->Output();
}

INSTANTIATE_TEST_SUITE_P(
    Orders, CloseOrderTest,
    ::testing::Values(
        CloseOrder{"InnermostFirst", {kRefreshed, kUsageHelp, kScheduleNotice, kHotkeyHelp, kLockNotice}},
        CloseOrder{"OutermostFirst", {kLockNotice, kHotkeyHelp, kScheduleNotice, kUsageHelp, kRefreshed}},
        CloseOrder{"Mixed", {kScheduleNotice, kLockNotice, kRefreshed, kHotkeyHelp, kUsageHelp}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ondrave::testing
