#include "desktop/fltk/frame_geometry.h"

#include <gtest/gtest.h>

namespace ondrave::fltk {
namespace {

TEST(FrameGeometry, ClientRectKeepsTheOuterSizeAskedFor) {
  const struct {
    Rect outer;
    FrameExtents frame;
    Rect client;
  } cases[] = {
      // No window manager: the window is the outer rectangle.
      {{534, 420, 211, 183}, {}, {534, 420, 211, 183}},
      // Openbox's default frame: 1 pixel around, a 20-pixel title bar.
      {{534, 420, 211, 183}, {1, 1, 20, 1}, {535, 440, 209, 162}},
      {{534, 420, 211, 347}, {1, 1, 20, 1}, {535, 440, 209, 326}},
      // An outer height smaller than the frame still leaves a window.
      {{0, 0, 211, 0}, {1, 1, 20, 1}, {1, 20, 209, 1}},
      {{0, 0, 211, 10}, {4, 4, 30, 4}, {4, 30, 203, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClientRectFor(c.outer, c.frame), c.client);
  }
}

TEST(FrameGeometry, OuterRectIsTheClientWithItsFrame) {
  const FrameExtents frame{2, 3, 25, 4};
  const Rect outer{100, 50, 211, 183};
  EXPECT_EQ(OuterRectOf(ClientRectFor(outer, frame), frame), outer);
}

TEST(FrameGeometry, CentredOnTheMonitorWithDivisionsCutTowardsZero) {
  const struct {
    Rect monitor;
    int w, h;
    Rect centred;
  } cases[] = {
      {{0, 0, 1280, 1024}, 211, 183, {534, 420, 211, 183}},
      {{0, 0, 1920, 1080}, 211, 183, {854, 448, 211, 183}},
      // A primary monitor right of another one.
      {{1920, 0, 1280, 1024}, 211, 183, {2454, 420, 211, 183}},
      // A monitor smaller than the window: (100 - 211) / 2 is -55, not -56.
      {{0, 0, 100, 100}, 211, 183, {-55, -41, 211, 183}},
  };
  for (const auto& c : cases) EXPECT_EQ(CentredOn(c.monitor, c.w, c.h), c.centred);
}

}  // namespace
}  // namespace ondrave::fltk
