// The real program on a real X server, driven with real key presses and
// mouse clicks; the clicks it makes are counted by a probe window of the
// test's own, away from the program's window.
#include "program_fixture.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <sys/wait.h>

#include <ctime>
#include <thread>

#include "app/window_table.h"

namespace ondrave::testing {
namespace {

using namespace std::chrono_literals;

// The probe lies in the top-left corner; the program's window is centred.
constexpr ScreenRect kProbeArea{0, 0, 300, 200};
constexpr RootPoint kInsideProbe{150, 100};

TEST_F(ProgramTest, StartsCentredAtItsOuterSizeAndEscEndsItWithZero) {
  const FrameExtents e = ExtentsOfMainWindow();
  const XWindowAttributes a = AttributesOfMainWindow();
  EXPECT_EQ(a.width + e.left + e.right, kMainWindow.outerWidth);
  EXPECT_EQ(a.height + e.top + e.bottom, kMainWindow.outerHeight);
  const RootPoint origin = ClientOrigin();
  EXPECT_NEAR(origin.x - e.left, (server_.Width() - kMainWindow.outerWidth) / 2, 1);
  EXPECT_NEAR(origin.y - e.top, (server_.Height() - kMainWindow.outerHeight) / 2, 1);

  ClickControl(Control::标签1);  // activates the window without touching a control
  Press(XK_Escape);
  const std::optional<int> status = program_->WaitForExit(3s);
  ASSERT_TRUE(status.has_value()) << "Esc did not end the program";
  EXPECT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
}

TEST_F(ProgramTest, IdentifiesItselfToTheDesktopAndCannotBeResized) {
  XClassHint hint{};
  ASSERT_NE(XGetClassHint(user_.get(), window_, &hint), 0);
  // The menu entry's StartupWMClass names this class.
  EXPECT_STREQ(hint.res_class, "Ondrave-clicker");
  XFree(hint.res_name);
  XFree(hint.res_class);

  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  ASSERT_EQ(XGetWindowProperty(user_.get(), window_, XInternAtom(user_.get(), "_NET_WM_ICON", False), 0, 2, False,
                               XA_CARDINAL, &type, &format, &count, &after, &data),
            Success);
  ASSERT_EQ(count, 2u) << "no application icon on the window";
  const long* size = reinterpret_cast<const long*>(data);
  EXPECT_GE(size[0], 16);
  EXPECT_EQ(size[0], size[1]);
  XFree(data);

  XSizeHints hints{};
  long supplied = 0;
  ASSERT_NE(XGetWMNormalHints(user_.get(), window_, &hints, &supplied), 0);
  ASSERT_TRUE((hints.flags & PMinSize) && (hints.flags & PMaxSize));
  EXPECT_EQ(hints.min_width, hints.max_width);
  EXPECT_EQ(hints.min_height, hints.max_height);
}

TEST_F(ProgramTest, TheGradientLabelsRunRedYellowGreenColumnByColumn) {
  const RootPoint origin = ClientOrigin();
  for (Control label : {Control::标签13, Control::标签14}) {
    const ControlRow& s = RowOf(label);
    const Point p = ClientPosition(label);
    Screenshot shot(user_.get(), {origin.x + p.x, origin.y + p.y, s.width, s.height});
    // The top row lies above the caption's glyphs.
    for (int x = 0; x < s.width; ++x) {
      const Rgb expected = GradientColumn(x, s.width);
      const PixelColor seen = shot.At(origin.x + p.x + x, origin.y + p.y);
      EXPECT_EQ(seen, (PixelColor{expected.r, expected.g, expected.b})) << s.name << " column " << x;
    }
  }
}

TEST_F(ProgramTest, TheChosenKeyArmsThenStartsThenStopsClickingAtThePointer) {
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  ChooseItem(Control::组合框2, 31);  // "F6"

  MovePointer(kInsideProbe);
  Press(XK_F6);  // arms
  std::this_thread::sleep_for(300ms);
  probe.Collect();
  EXPECT_EQ(probe.Presses(1), 0);

  Press(XK_F6);  // starts
  ASSERT_TRUE(probe.WaitForRecords(40)) << "clicking did not start";
  std::this_thread::sleep_for(500ms);
  Press(XK_F6);  // stops
  std::this_thread::sleep_for(100ms);
  probe.Collect();
  const int clicks = probe.Presses(1);
  EXPECT_GT(clicks, 20);
  EXPECT_EQ(probe.Presses(3), 0);
  for (const ButtonRecord& r : probe.Records()) {
    EXPECT_EQ(r.x, kInsideProbe.x);
    EXPECT_EQ(r.y, kInsideProbe.y);
  }
  std::this_thread::sleep_for(300ms);
  probe.Collect();
  EXPECT_EQ(probe.Presses(1), clicks) << "clicking went on after the third press";
}

TEST_F(ProgramTest, F1CapturesAPointThatTheLockClicksUntilUp) {
  ShowLowerPart();
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  MovePointer({40, 30});
  Press(XK_F1);
  std::this_thread::sleep_for(200ms);
  Press(XK_F1);
  // Let the program take the second press in before the pointer moves on to
  // the lock button, or the capture would follow it there.
  std::this_thread::sleep_for(200ms);

  ClickControl(Control::按钮7);
  AnswerMessageBox();  // Yes: the first button
  ASSERT_TRUE(probe.WaitForRecords(20)) << "the lock did not click";
  for (const ButtonRecord& r : probe.Records()) {
    EXPECT_EQ(r.x, 40);
    EXPECT_EQ(r.y, 30);
  }
  Press(XK_Up);
  std::this_thread::sleep_for(100ms);
  probe.Collect();
  const std::size_t afterStop = probe.Records().size();
  std::this_thread::sleep_for(300ms);
  probe.Collect();
  EXPECT_EQ(probe.Records().size(), afterStop) << "Up did not stop the lock";
}

TEST_F(ProgramTest, AScheduleFiresAtTheSetSecondAndF4StopsIt) {
  ShowLowerPart();
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  TypeInto(Control::编辑框4, "60");
  TypeInto(Control::编辑框5, "50");

  // Three seconds from now, in local time as the program reads it.
  const std::time_t at = std::time(nullptr) + 3;
  std::tm local{};
  localtime_r(&at, &local);
  TypeInto(Control::编辑框2, std::to_string(local.tm_hour));
  TypeInto(Control::编辑框3, std::to_string(local.tm_min));
  TypeInto(Control::编辑框6, std::to_string(local.tm_sec));
  ClickControl(Control::按钮6);
  AnswerMessageBox();

  ASSERT_TRUE(probe.WaitForRecords(10, 6000ms)) << "the schedule did not fire";
  EXPECT_GE(std::time(nullptr), at);
  EXPECT_EQ(probe.Records().front().x, 60);
  EXPECT_EQ(probe.Records().front().y, 50);

  // The matcher starts the clicker at every tick within the set second, so
  // stop it once that second has passed.
  std::this_thread::sleep_for(1200ms);
  Press(XK_F4);
  std::this_thread::sleep_for(100ms);
  probe.Collect();
  const std::size_t afterStop = probe.Records().size();
  std::this_thread::sleep_for(300ms);
  probe.Collect();
  EXPECT_EQ(probe.Records().size(), afterStop) << "F4 did not stop the clicking";
}

TEST_F(ProgramTest, F3HidesAndShowsTheWindowFromAnywhere) {
  Press(XK_F3);
  EXPECT_TRUE(WaitUntil([&] { return !MainWindowViewable(); })) << "F3 did not hide the window";
  Press(XK_F3);
  EXPECT_TRUE(WaitUntil([&] { return MainWindowViewable(); })) << "F3 did not show the window";
}

TEST_F(ProgramTest, TheCheckBoxesKeepTheWindowOnTopAndShowTheLowerPart) {
  const Atom state = XInternAtom(user_.get(), "_NET_WM_STATE", False);
  const Atom above = XInternAtom(user_.get(), "_NET_WM_STATE_ABOVE", False);
  auto isAbove = [&] {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(user_.get(), window_, state, 0, 64, False, XA_ATOM, &type, &format, &count, &after,
                           &data) == Success && data) {
      const Atom* atoms = reinterpret_cast<const Atom*>(data);
      for (unsigned long i = 0; i < count; ++i) found = found || atoms[i] == above;
    }
    if (data) XFree(data);
    return found;
  };
  EXPECT_FALSE(isAbove());
  ClickControl(Control::选择框1);
  EXPECT_TRUE(WaitUntil(isAbove)) << "置顶 did not keep the window on top";
  ClickControl(Control::选择框1);
  EXPECT_TRUE(WaitUntil([&] { return !isAbove(); }));

  ShowLowerPart();
  ClickControl(Control::选择框2);
  EXPECT_TRUE(WaitUntil([&] {
    const FrameExtents e = ExtentsOfMainWindow();
    return AttributesOfMainWindow().height + e.top + e.bottom == kMainWindow.outerHeight;
  })) << "the window did not shrink back";
}

TEST_F(ProgramTest, HelpShowsAMessageBoxWhileTheClockGoesOn) {
  ShowLowerPart();
  ClickControl(Control::按钮2);
  ASSERT_NE(WaitForMessageBox(), None);

  // The clock label fills with red text within a second or two, box open or not.
  const RootPoint origin = ClientOrigin();
  const Point p = ClientPosition(Control::标签10);
  const ControlRow& s = RowOf(Control::标签10);
  EXPECT_TRUE(WaitUntil([&] {
    Screenshot shot(user_.get(), {origin.x + p.x, origin.y + p.y, s.width, s.height});
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) {
        const PixelColor c = shot.At(origin.x + p.x + x, origin.y + p.y + y);
        if (c.r > 200 && c.g < 80 && c.b < 80) return true;
      }
    return false;
  }, 3000ms)) << "the clock label stayed empty";

  AnswerMessageBox();
}

}  // namespace
}  // namespace ondrave::testing
