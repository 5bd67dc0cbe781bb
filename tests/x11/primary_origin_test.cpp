// Which monitor's top-left becomes (0, 0) when the layout has several.

// googletest first: X headers define None and Bool as macros, which its
// own names would collide with.
#include <gtest/gtest.h>

#include "desktop/x11/primary_origin.h"

namespace ondrave::x11 {
namespace {

TEST(ChooseOriginTest, PrefersThePrimaryThenTheFirstMonitorThenTheRootsOrigin) {
  struct Case {
    const char* what;
    std::vector<MonitorPlacement> monitors;
    RootPoint expected;
  };
  const Case cases[] = {
      {"the primary, listed second", {{{0, 0}, false}, {{1920, 0}, true}}, {1920, 0}},
      {"the primary right of another", {{{0, 0}, false}, {{1280, 200}, true}}, {1280, 200}},
      {"no primary: the first listed", {{{640, 0}, false}, {{0, 0}, false}}, {640, 0}},
      {"no monitor at all", {}, {0, 0}},
  };
  for (const Case& c : cases) {
    const RootPoint origin = ChooseOrigin(c.monitors);
    EXPECT_EQ(origin, c.expected) << c.what << ": got (" << origin.x << ", " << origin.y << ")";
  }
}

}  // namespace
}  // namespace ondrave::x11
