// The test-support library that the end-to-end tests build on: a server
// with a window manager, finding a window by its UTF-8 title under a frame,
// reading the screen's pixels, and a server that is gone once stopped.

// googletest first: X headers define None and Bool as macros, which its
// own names would collide with.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <sys/socket.h>

#include <string>

#include "x11_test_support.h"

namespace ondrave::testing {
namespace {

// A managed window with the title, filled with a colour of the default visual.
Window ShowTitledWindow(Display* display, const std::string& title, unsigned long pixel) {
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 100, 200, 120, 0, 0, pixel);
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
  XMapWindow(display, window);
  XSync(display, False);
  return window;
}

TEST(TestSupportTest, FindsAFramedWindowByItsTitleAndReadsItsPixels) {
  XvfbServer server({.windowManager = true});
  DisplayConnection client = server.Connect();
  const Window shown = ShowTitledWindow(client.get(), "探针窗口", 0x3366CC);

  DisplayConnection tester = server.Connect();
  Window found = None;
  ASSERT_TRUE(WaitUntil([&] { return (found = FindWindowByTitle(tester.get(), "探针窗口")) != None; }));
  EXPECT_EQ(found, shown) << "the client window, not the window manager's frame";
  EXPECT_EQ(FindWindowByTitle(tester.get(), "探针"), None) << "only the whole title matches";

  // The window manager may still move the window after mapping it: its
  // middle is looked up again until it shows the background.
  const PixelColor background{0x33, 0x66, 0xCC};
  int x = 0, y = 0;
  EXPECT_TRUE(WaitUntil([&] {
    Window child = None;
    XTranslateCoordinates(tester.get(), found, DefaultRootWindow(tester.get()), 100, 60, &x, &y, &child);
    return ScreenshotPixel(tester.get(), x, y) == background;
  }));
  const Screenshot screen(tester.get(), {0, 0, server.Width(), server.Height()});
  EXPECT_EQ(screen.At(x, y), background);
  EXPECT_NE(screen.At(x - 150, y), background) << "left of the window";
}

TEST(TestSupportTest, EachServerHasItsOwnDisplayAndIsGoneOnceStopped) {
  int socket = -1;
  {
    XvfbServer first;
    XvfbServer second({.width = 640, .height = 480});
    EXPECT_NE(first.DisplayName(), second.DisplayName());
    // Left open on purpose: closing a connection whose server has gone
    // would end the test process through Xlib's I/O error handler. Kept
    // reachable, so that the leak check at exit does not count it.
    static Display* connection = nullptr;
    connection = second.Connect().release();
    EXPECT_EQ(DisplayWidth(connection, DefaultScreen(connection)), 640);
    socket = ConnectionNumber(connection);
  }
  // The stopped server has closed its end of the connection.
  pollfd hangUp{socket, POLLIN, 0};
  ASSERT_EQ(poll(&hangUp, 1, 0), 1);
  char byte = 0;
  EXPECT_EQ(recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT), 0);
}

}  // namespace
}  // namespace ondrave::testing
