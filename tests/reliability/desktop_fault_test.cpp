// The desktop failing the program: keys that another client holds, the X
// server dying under it, a display without XTest, a system without a
// Chinese face. The program must go on working where it can and end
// cleanly, with a failure code, where it cannot.
#include "reliability_fixture.h"

#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "desktop/fatal_error.h"
#include "key_holder.h"
#include "process_figures.h"

namespace ondrave::testing {
namespace {

using namespace std::chrono_literals;

// The probe lies in the top-left corner; the program's window is centred.
constexpr ScreenRect kProbeArea{0, 0, 300, 200};
constexpr RootPoint kInsideProbe{150, 100};
constexpr int kF6Index = 31;

// ---- Keys that another client holds ----

// The holder takes its keys before the program starts, as a shortcut
// daemon that runs already.
class HeldKeysTest : public ReliabilityTest {
 protected:
  explicit HeldKeysTest(std::vector<KeySym> keys) : keys_(std::move(keys)) {}
  void SetUp() override {
    holder_ = std::make_unique<KeyHolder>(server_.DisplayName(), keys_);
    ReliabilityTest::SetUp();
  }

  // F3 hides the window and shows it again.
  void ExpectF3Works() {
    Press(XK_F3);
    EXPECT_TRUE(WaitUntil([&] { return !MainWindowViewable(); })) << "F3 did not hide the window";
    Press(XK_F3);
    EXPECT_TRUE(WaitUntil([&] { return MainWindowViewable(); })) << "F3 did not show the window";
  }

  std::vector<KeySym> keys_;
  std::unique_ptr<KeyHolder> holder_;
};

class F1HeldTest : public HeldKeysTest {
 protected:
  F1HeldTest() : HeldKeysTest({XK_F1}) {}
};

class F3HeldTest : public HeldKeysTest {
 protected:
  F3HeldTest() : HeldKeysTest({XK_F3}) {}
};

class AllStartStopKeysHeldTest : public HeldKeysTest {
 protected:
  AllStartStopKeysHeldTest() : HeldKeysTest(StartStopKeys()) {}
};

TEST_F(F1HeldTest, F1CapturesNothingWhileEverythingElseWorks) {
  ShowLowerPart();
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  MovePointer({40, 30});
  Press(XK_F1);
  std::this_thread::sleep_for(200ms);
  Press(XK_F1);
  EXPECT_EQ(holder_->PressesOf(XK_F1), 2) << "F1 did not reach the client that holds it";

  // Nothing was captured, so the lock refuses with the coordinate message;
  // had F1 captured the point, Return would answer the lock notice Yes.
  ClickControl(Control::按钮7);
  AnswerMessageBox();
  ExpectNoClicks(probe);

  ExpectF3Works();
  ExpectContinuousClicking(probe, kF6Index, XK_F6, kInsideProbe);
  ExpectLockClicksAt(probe, "60", "50", {60, 50});
  EXPECT_TRUE(ProgramRuns());
}

TEST_F(F3HeldTest, F3HidesNothingWhileEverythingElseWorks) {
  Press(XK_F3);
  EXPECT_EQ(holder_->PressesOf(XK_F3), 1) << "F3 did not reach the client that holds it";
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(MainWindowViewable()) << "F3 hid the window although another client holds it";

  ShowLowerPart();
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  // F1 captures the point that the lock then clicks.
  CaptureAt({40, 30});
  DiscardClicks(probe);
  StartLock();
  ASSERT_TRUE(probe.WaitForRecords(10)) << "the lock did not click at the captured point";
  Press(XK_Up);
  std::this_thread::sleep_for(100ms);
  probe.Collect();
  for (const ButtonRecord& r : probe.Records()) {
    EXPECT_EQ(r.x, 40);
    EXPECT_EQ(r.y, 30);
  }
  DiscardClicks(probe);
  ExpectContinuousClicking(probe, kF6Index, XK_F6, kInsideProbe);
  EXPECT_TRUE(ProgramRuns());
}

TEST_F(AllStartStopKeysHeldTest, NoChoiceOfKeyEverStartsClicking) {
  ShowLowerPart();
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  const std::vector<KeySym> keys = StartStopKeys();
  for (int index = 0; index < static_cast<int>(keys.size()); ++index) {
    ChooseItem(Control::组合框2, index);
    MovePointer(kInsideProbe);
    Press(keys[index]);
    Press(keys[index]);
    std::this_thread::sleep_for(50ms);
    probe.Collect();
    EXPECT_EQ(probe.Records().size(), 0u) << "clicking started with item " << index;
    EXPECT_EQ(holder_->PressesOf(keys[index]), 2) << "item " << index << " did not reach its holder";
    ASSERT_TRUE(ProgramRuns()) << "the program ended at item " << index << ":\n" << program_->Output();
  }
  ExpectNoClicks(probe);
  // The lock and its Up key are no start/stop keys: they still work.
  ExpectLockClicksAt(probe, "60", "50", {60, 50});
}

// ---- The X server dies ----

// Kills the test's Xvfb as a crash of the server would end it. The test's
// own connection is dropped without a word to the dead server (closing it
// would end this process through Xlib's I/O error handler); it stays
// reachable so that no leak is reported for it.
void KillServer(DisplayConnection& connection) {
  static std::vector<Display*> abandoned;
  abandoned.push_back(connection.release());
  const std::vector<pid_t> servers = ChildrenNamed("Xvfb");
  ASSERT_EQ(servers.size(), 1u) << "cannot tell which Xvfb is this test's";
  ASSERT_EQ(kill(servers.front(), SIGKILL), 0);
}

struct ServerDeathCase {
  const char* name;
  bool lockWithBoxOpen;  // else continuous clicking at the pointer
};

class ServerDeathTest : public ReliabilityTest, public ::testing::WithParamInterface<ServerDeathCase> {};

TEST_P(ServerDeathTest, TheProgramEndsWithAFailureCodeWithinASecond) {
  {
    ProbeWindow probe(server_.DisplayName(), kProbeArea);
    if (GetParam().lockWithBoxOpen) {
      ShowLowerPart();
      // Out of the way of the box, which is centred on the screen.
      MoveMainWindowTo(20, 240);
      TypeInto(Control::编辑框4, "60");
      TypeInto(Control::编辑框5, "50");
      StartLock();
      ASSERT_TRUE(probe.WaitForRecords(10)) << "the lock did not click";
      // The help box waits in a loop of its own; the program must end from there too.
      Press(XK_Up);
      ClickControl(Control::按钮2);
      ASSERT_NE(WaitForMessageBox(), None);
      StartLock();
    } else {
      ChooseItem(Control::组合框2, kF6Index);
      MovePointer(kInsideProbe);
      Press(XK_F6);
      Press(XK_F6);
    }
    DiscardClicks(probe);
    ASSERT_TRUE(probe.WaitForRecords(20)) << "no clicking before the server died";
  }
  KillServer(user_);
  const auto killed = std::chrono::steady_clock::now();
  const std::optional<int> status = program_->WaitForExit(3s);
  ASSERT_TRUE(status.has_value()) << "the program hangs after its X server died";
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - killed);
  EXPECT_LE(took.count(), 1000) << "the program took " << took.count() << " ms to end";
  ASSERT_TRUE(WIFEXITED(*status)) << DescribeStatus(*status) << "\n" << program_->Output();
  EXPECT_EQ(WEXITSTATUS(*status), kFatalExitCode);
  EXPECT_NE(program_->Output().find("the connection to the X server was lost"), std::string::npos)
      << program_->Output();
  std::printf("[ figures  ] %s: ended %lld ms after the server was killed, %s\n", GetParam().name,
              static_cast<long long>(took.count()), DescribeStatus(*status).c_str());
}

INSTANTIATE_TEST_SUITE_P(WhileClicking, ServerDeathTest,
                         ::testing::Values(ServerDeathCase{"ContinuousClicking", false},
                                           ServerDeathCase{"LockWithHelpBoxOpen", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- No XTest on the display ----

TEST(NoXTestTest, TheFatalErrorBoxTellsWhyAndClosingItEndsTheProgramWithAFailureCode) {
  XvfbServer server({.windowManager = true, .extraArguments = {"-extension", "XTEST"}});
  DisplayConnection user = server.Connect();
  int opcode = 0, eventBase = 0, errorBase = 0;
  ASSERT_FALSE(XQueryExtension(user.get(), "XTEST", &opcode, &eventBase, &errorBase)) << "XTest is still there";
  ProgramProcess program(ONDRAVE_PROGRAM_PATH, server.DisplayName());

  Window box = None;
  ASSERT_TRUE(WaitUntil([&] {
    box = FindWindowByTitle(user.get(), "信息：");
    XWindowAttributes attributes{};
    return box != None && XGetWindowAttributes(user.get(), box, &attributes) && attributes.map_state == IsViewable;
  }, 5000ms)) << "no message box; program output:\n" << program.Output();
  EXPECT_NE(program.Output().find("The display has no XTest extension"), std::string::npos) << program.Output();
  EXPECT_EQ(FindWindowByTitle(user.get(), kMainWindow.title), None) << "the main window was made all the same";
  // The box waits for the user: the program must not be gone already.
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(program.WaitForExit(0ms).has_value()) << "the program ended before the box was closed";

  // A user without XTest still has a mouse and a keyboard; the test, which
  // has neither, asks the box to close as the window manager's close
  // button does.
  XEvent close{};
  close.xclient.type = ClientMessage;
  close.xclient.window = box;
  close.xclient.message_type = XInternAtom(user.get(), "WM_PROTOCOLS", False);
  close.xclient.format = 32;
  close.xclient.data.l[0] = static_cast<long>(XInternAtom(user.get(), "WM_DELETE_WINDOW", False));
  close.xclient.data.l[1] = CurrentTime;
  XSendEvent(user.get(), box, False, NoEventMask, &close);
  XSync(user.get(), False);

  const std::optional<int> status = program.WaitForExit(3s);
  ASSERT_TRUE(status.has_value()) << "closing the box did not end the program";
  ASSERT_TRUE(WIFEXITED(*status)) << DescribeStatus(*status) << "\n" << program.Output();
  EXPECT_EQ(WEXITSTATUS(*status), kFatalExitCode);
}

// ---- No Chinese face, no face at all ----

// A fontconfig configuration of its own: only the font directories named,
// and its cache in the same throw-away folder.
class FontConfiguration {
 public:
  explicit FontConfiguration(const std::vector<std::string>& fontDirectories) {
    char directory[] = "/tmp/ondrave-fonts-XXXXXX";
    if (mkdtemp(directory) == nullptr) throw std::runtime_error("cannot make a folder for the font configuration");
    directory_ = directory;
    std::ofstream config(Path());
    config << "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    for (const std::string& fonts : fontDirectories) config << "  <dir>" << fonts << "</dir>\n";
    config << "  <cachedir>" << directory_ << "/cache</cachedir>\n</fontconfig>\n";
  }
  ~FontConfiguration() { std::filesystem::remove_all(directory_); }
  std::string Path() const { return directory_ + "/fonts.conf"; }

 private:
  std::string directory_;
};

// Latin faces only (DejaVu, which fontconfig itself brings along): no face
// covers Chinese, so the texts show in a Latin face's missing-glyph boxes.
constexpr const char* kLatinFaces = "/usr/share/fonts/truetype/dejavu";

class NoChineseFaceTest : public ReliabilityTest {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kLatinFaces)) GTEST_SKIP() << kLatinFaces << " is missing";
    ScopedEnvironment latinOnly("FONTCONFIG_FILE", fonts_.Path());
    ReliabilityTest::SetUp();
  }
  FontConfiguration fonts_{{kLatinFaces}};
};

TEST_F(NoChineseFaceTest, TheProgramStartsAndWorks) {
  ProbeWindow probe(server_.DisplayName(), kProbeArea);
  ExpectContinuousClicking(probe, kF6Index, XK_F6, kInsideProbe);
  ShowLowerPart();
  ClickControl(Control::按钮8);
  AnswerMessageBox();
  ExpectLockClicksAt(probe, "60", "50", {60, 50});
  ClickControl(Control::标签1);
  Press(XK_Escape);
  const std::optional<int> status = program_->WaitForExit(3s);
  ASSERT_TRUE(status.has_value()) << "Esc did not end the program";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status) << "\n"
                                                               << program_->Output();
}

// Without any face the toolkit can draw no text at all, not even that of a
// message box: the program ends at once, saying why on standard error,
// with a failure code, and without a crash.
TEST(NoFaceAtAllTest, TheProgramEndsSayingWhyWithAFailureCode) {
  XvfbServer server({.windowManager = true});
  const FontConfiguration noFonts({});
  std::optional<ScopedEnvironment> environment;
  environment.emplace("FONTCONFIG_FILE", noFonts.Path());
  ProgramProcess program(ONDRAVE_PROGRAM_PATH, server.DisplayName());
  environment.reset();
  const std::optional<int> status = program.WaitForExit(5s);
  ASSERT_TRUE(status.has_value()) << "the program hangs without fonts";
  ASSERT_TRUE(WIFEXITED(*status)) << DescribeStatus(*status) << "\n" << program.Output();
  EXPECT_NE(WEXITSTATUS(*status), 0);
  EXPECT_NE(program.Output().find("fonts"), std::string::npos) << program.Output();
}

}  // namespace
}  // namespace ondrave::testing
