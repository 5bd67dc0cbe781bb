#include "app/fltk/opener_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ondrave::fltk {
namespace {

using Commands = std::vector<std::vector<std::string>>;
const std::string kTarget = "xmpp:author@ondrave.invalid?message";

TEST(OpenerCommands, DesktopOpenerFirstThenDefaultBrowser) {
  EXPECT_EQ(OpenerCommands(kTarget, nullptr), (Commands{{"xdg-open", kTarget}, {"x-www-browser", kTarget}}));
}

TEST(OpenerCommands, BrowserVariableEntriesFollowInOrder) {
  const struct {
    const char* browser;
    Commands extra;
  } cases[] = {
      {"firefox", {{"firefox", kTarget}}},
      {"firefox:chromium", {{"firefox", kTarget}, {"chromium", kTarget}}},
      // "%s" stands for the target, also inside a word and more than once.
      {"browser --new-tab %s", {{"browser", "--new-tab", kTarget}}},
      {"browser --url=%s", {{"browser", "--url=" + kTarget}}},
      {"mirror %s %s", {{"mirror", kTarget, kTarget}}},
      // Empty entries are skipped.
      {"", {}},
      {"::firefox:  :", {{"firefox", kTarget}}},
      // Shell syntax is not interpreted: the words are passed as they are.
      {"sh -c 'exit 3'", {{"sh", "-c", "'exit", "3'", kTarget}}},
  };
  for (const auto& c : cases) {
    Commands expected{{"xdg-open", kTarget}, {"x-www-browser", kTarget}};
    expected.insert(expected.end(), c.extra.begin(), c.extra.end());
    EXPECT_EQ(OpenerCommands(kTarget, c.browser), expected) << c.browser;
  }
}

TEST(OpenerCommands, TargetContainingPercentSIsInsertedOnce) {
  // The replacement goes on after the inserted target, so a target that
  // itself holds "%s" is not expanded again.
  EXPECT_EQ(BrowserCommand("open %s", "a%sb"), (std::vector<std::string>{"open", "a%sb"}));
}

}  // namespace
}  // namespace ondrave::fltk
