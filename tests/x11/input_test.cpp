// The pointer and synthesised clicks against a real X server: the buttons
// of each click kind, where the pointer rests, coordinates beyond the
// screen, and coordinates measured from a primary monitor that does not sit
// at the root's origin.

// googletest first: X headers define None and Bool as macros, which its
// own names would collide with.
#include <gtest/gtest.h>

#include "desktop/x11/input.h"

#include <X11/extensions/Xrandr.h>

#include <climits>
#include <cstring>

#include "x11_test_support.h"

namespace ondrave::x11 {
namespace {

using ondrave::testing::ButtonRecord;
using ondrave::testing::DisplayConnection;
using ondrave::testing::ProbeWindow;
using ondrave::testing::ScreenRect;
using ondrave::testing::XvfbServer;

constexpr unsigned int kLeft = 1;
constexpr unsigned int kRight = 3;

struct Point {
  int x, y;
  bool operator==(const Point&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Point& point) {
  return out << "(" << point.x << ", " << point.y << ")";
}

class InputTest : public ::testing::Test {
 protected:
  // Offers the program's pending events to the input service, as the
  // toolkit's event loop does.
  void Dispatch() {
    XSync(program_.get(), False);
    while (XPending(program_.get()) > 0) {
      XEvent event;
      XNextEvent(program_.get(), &event);
      input_.HandleEvent(event);
    }
  }

  // Where the pointer is on the root window, as another client sees it.
  Point PointerOnRoot() {
    Window root = None, child = None;
    int x = 0, y = 0, windowX = 0, windowY = 0;
    unsigned int buttons = 0;
    XQueryPointer(user_.get(), DefaultRootWindow(user_.get()), &root, &child, &x, &y, &windowX, &windowY, &buttons);
    return {x, y};
  }

  // Clicks and waits until the probe has every button event of the click.
  void ClickAndCollect(std::int32_t x, std::int32_t y, ClickKind kind, std::size_t buttonEvents) {
    probe_.Clear();
    input_.SimulateClick(x, y, kind);
    XSync(program_.get(), False);
    probe_.WaitForRecords(buttonEvents);
  }

  XvfbServer server_;
  DisplayConnection program_ = server_.Connect();
  DisplayConnection user_ = server_.Connect();
  ProbeWindow probe_{server_.DisplayName()};
  Input input_{program_.get()};
};

TEST_F(InputTest, EachClickKindPressesAndReleasesItsButtonsWhereThePointerWasSent) {
  struct Case {
    ClickKind kind;
    unsigned int button;
    int clicks;
    Point at;
  };
  const Case cases[] = {
      {0, kLeft, 1, {10, 20}},     {1, kLeft, 2, {300, 200}},  {2, kRight, 1, {640, 400}},
      {3, kRight, 2, {1279, 799}}, {-1, kLeft, 1, {0, 0}},     {4, kLeft, 1, {77, 555}},
  };
  for (const Case& c : cases) {
    ClickAndCollect(c.at.x, c.at.y, c.kind, static_cast<std::size_t>(2 * c.clicks));
    const std::vector<ButtonRecord>& records = probe_.Records();
    ASSERT_EQ(records.size(), static_cast<std::size_t>(2 * c.clicks)) << "kind " << c.kind;
    for (std::size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].button, c.button) << "kind " << c.kind << ", event " << i;
      EXPECT_EQ(records[i].press, i % 2 == 0) << "kind " << c.kind << ", event " << i;
      EXPECT_EQ((Point{records[i].x, records[i].y}), c.at) << "kind " << c.kind << ", event " << i;
    }
    EXPECT_EQ(PointerOnRoot(), c.at) << "the pointer stays where it was sent, kind " << c.kind;
    EXPECT_EQ((Point{input_.PointerX(), input_.PointerY()}), c.at) << "kind " << c.kind;
  }
}

TEST_F(InputTest, ThePointerIsReadAfreshAtEachCall) {
  for (Point at : {Point{5, 6}, Point{1000, 700}, Point{0, 799}}) {
    XWarpPointer(user_.get(), None, DefaultRootWindow(user_.get()), 0, 0, 0, 0, at.x, at.y);
    XSync(user_.get(), False);
    EXPECT_EQ((Point{input_.PointerX(), input_.PointerY()}), at);
  }
}

TEST_F(InputTest, APointOffTheScreenIsHeldAtItsEdgeAndClickedThere) {
  const int right = server_.Width() - 1, bottom = server_.Height() - 1;
  struct Case {
    Point requested;
    Point expected;
  };
  const Case cases[] = {
      {{-50, -60}, {0, 0}},
      {{5000, 10}, {right, 10}},
      {{20, 5000}, {20, bottom}},
      // Beyond 16 bits: must not wrap round to the other side of the screen.
      {{100000, 30}, {right, 30}},
      {{40, -70000}, {40, 0}},
      {{INT32_MIN, INT32_MAX}, {0, bottom}},
  };
  for (const Case& c : cases) {
    ClickAndCollect(c.requested.x, c.requested.y, 0, 2);
    ASSERT_EQ(probe_.Records().size(), 2u) << c.requested;
    EXPECT_EQ((Point{probe_.Records()[0].x, probe_.Records()[0].y}), c.expected) << c.requested;
    EXPECT_EQ(PointerOnRoot(), c.expected) << c.requested;
  }
}

// Shows the screen's only CRTC at `topLeft` with a smaller mode, so that
// the monitor no longer starts at the root's origin, optionally making its
// output the primary one.
void PlaceMonitor(Display* display, Point topLeft, bool primary) {
  const Window root = DefaultRootWindow(display);
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
  ASSERT_NE(resources, nullptr);
  ASSERT_GE(resources->ncrtc, 1);
  XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[0]);
  ASSERT_NE(crtc, nullptr);
  char name[] = "monitor-800x600";
  XRRModeInfo mode{};
  mode.width = 800;
  mode.height = 600;
  mode.hTotal = 800;
  mode.vTotal = 600;
  mode.dotClock = 60ul * 800 * 600;
  mode.name = name;
  mode.nameLength = static_cast<unsigned int>(std::strlen(name));
  const RRMode id = XRRCreateMode(display, root, &mode);
  XRRAddOutputMode(display, resources->outputs[0], id);
  EXPECT_EQ(XRRSetCrtcConfig(display, resources, resources->crtcs[0], CurrentTime, topLeft.x, topLeft.y, id,
                             crtc->rotation, crtc->outputs, crtc->noutput),
            RRSetConfigSuccess);
  XRRSetOutputPrimary(display, root, primary ? resources->outputs[0] : None);
  XSync(display, False);
  XRRFreeCrtcInfo(crtc);
  XRRFreeScreenResources(resources);
}

class MonitorLayoutTest : public InputTest, public ::testing::WithParamInterface<bool> {};

TEST_P(MonitorLayoutTest, CoordinatesFollowTheMonitorWhenItMoves) {
  const Point monitor{200, 100};
  PlaceMonitor(user_.get(), monitor, GetParam());
  // The service follows the change once its events have been dispatched.
  XWarpPointer(user_.get(), None, DefaultRootWindow(user_.get()), 0, 0, 0, 0, 250, 140);
  XSync(user_.get(), False);
  EXPECT_TRUE(ondrave::testing::WaitUntil([&] {
    Dispatch();
    return input_.PointerX() == 50;
  }));
  EXPECT_EQ((Point{input_.PointerX(), input_.PointerY()}), (Point{50, 40}));

  ClickAndCollect(10, 20, 2, 2);
  ASSERT_EQ(probe_.Records().size(), 2u);
  EXPECT_EQ((Point{probe_.Records()[0].x, probe_.Records()[0].y}), (Point{210, 120}));
  EXPECT_EQ((Point{input_.PointerX(), input_.PointerY()}), (Point{10, 20}));

  // The root outside the only monitor is no place for the pointer: the
  // server holds it at the monitor's edge, and the click happens there.
  ClickAndCollect(-150, -70, 0, 2);
  ASSERT_EQ(probe_.Records().size(), 2u);
  EXPECT_EQ((Point{probe_.Records()[0].x, probe_.Records()[0].y}), monitor);
  EXPECT_EQ((Point{input_.PointerX(), input_.PointerY()}), (Point{0, 0}));
}

// With its output made the primary one, and without a primary output (then
// the first monitor counts).
INSTANTIATE_TEST_SUITE_P(PrimaryOrFirst, MonitorLayoutTest, ::testing::Values(true, false));

// Adds a monitor of the user's own over part of the root (as
// `xrandr --setmonitor` does).
void DefineMonitor(Display* display, const char* name, ScreenRect area, bool primary) {
  XRRMonitorInfo* monitor = XRRAllocateMonitor(display, 0);
  ASSERT_NE(monitor, nullptr);
  monitor->name = XInternAtom(display, name, False);
  monitor->x = area.x;
  monitor->y = area.y;
  monitor->width = area.width;
  monitor->height = area.height;
  monitor->mwidth = area.width / 4;
  monitor->mheight = area.height / 4;
  monitor->primary = primary ? True : False;
  XRRSetMonitor(display, DefaultRootWindow(display), monitor);
  XSync(display, False);
  XRRFreeMonitors(monitor);
}

TEST_F(InputTest, AMonitorLeftOfThePrimaryHasNegativeCoordinates) {
  DefineMonitor(user_.get(), "LEFT", {0, 0, 300, 800}, false);
  DefineMonitor(user_.get(), "MAIN", {300, 0, 980, 800}, true);
  // The server announces no change of user-defined monitors: a service
  // made afterwards reads them.
  DisplayConnection laterProgram = server_.Connect();
  Input later(laterProgram.get());

  XWarpPointer(user_.get(), None, DefaultRootWindow(user_.get()), 0, 0, 0, 0, 50, 30);
  XSync(user_.get(), False);
  EXPECT_EQ((Point{later.PointerX(), later.PointerY()}), (Point{-250, 30}));

  probe_.Clear();
  later.SimulateClick(0, 0, 0);
  later.SimulateClick(-250, 30, 0);
  XSync(laterProgram.get(), False);
  ASSERT_TRUE(probe_.WaitForRecords(4));
  EXPECT_EQ((Point{probe_.Records()[0].x, probe_.Records()[0].y}), (Point{300, 0})) << "the primary's corner";
  EXPECT_EQ((Point{probe_.Records()[2].x, probe_.Records()[2].y}), (Point{50, 30}))
      << "a point read from the pointer is the spot clicked later";
  EXPECT_EQ((Point{later.PointerX(), later.PointerY()}), (Point{-250, 30}));
}

TEST(InputAvailabilityTest, ADisplayWithoutXTestIsReportedAndOneWithItIsNot) {
  XvfbServer withXTest;
  EXPECT_EQ(Input::Unavailable(withXTest.Connect().get()), std::nullopt);

  XvfbServer withoutXTest({.extraArguments = {"-extension", "XTEST"}});
  const std::optional<std::string> reason = Input::Unavailable(withoutXTest.Connect().get());
  ASSERT_TRUE(reason.has_value());
  EXPECT_NE(reason->find("XTest"), std::string::npos);
}

}  // namespace
}  // namespace ondrave::x11
