// Hostile input: text of every kind pasted into the edit boxes, and
// coordinates far off the screen. Nothing may crash, the boxes keep their
// limits, and the numbers read from them are the ones the conversions
// give: full-width forms folded, leading blanks skipped, anything else
// ending the number, 32-bit wrap-around, and the pointer held on the
// screen by the server.
#include "reliability_fixture.h"

#include <X11/keysym.h>

#include <ctime>
#include <memory>
#include <thread>

namespace ondrave::testing {
namespace {

using namespace std::chrono_literals;

// Probes where the clicks of the table below land: the top-left area and
// the three other corners of the 1280 x 800 screen, all clear of the
// program's window and its message boxes in the middle.
const std::vector<ScreenRect> kProbeAreas{
    {0, 0, 300, 200}, {1180, 0, 100, 100}, {0, 700, 100, 100}, {1180, 700, 100, 100}};

class Probes {
 public:
  explicit Probes(const std::string& displayName) {
    for (const ScreenRect& area : kProbeAreas) probes_.push_back(std::make_unique<ProbeWindow>(displayName, area));
  }
  std::vector<ButtonRecord> Collect() {
    std::vector<ButtonRecord> all;
    for (auto& probe : probes_) {
      probe->Collect();
      all.insert(all.end(), probe->Records().begin(), probe->Records().end());
    }
    return all;
  }
  void Clear() {
    Collect();
    for (auto& probe : probes_) probe->Clear();
  }
  ProbeWindow& First() { return *probes_.front(); }

 private:
  std::vector<std::unique_ptr<ProbeWindow>> probes_;
};

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

struct PastedPoint {
  const char* name;
  std::string x, y;
  RootPoint expected;  // on the 1280 x 800 screen
};

// The expected points: the number the conversion reads (atoi after the
// full-width folding, wrapping past 32 bits, a character GBK lacks read as
// "?"), held within 16 bits by the program and on the screen by the server.
const std::vector<PastedPoint> kPastedPoints{
    {"FullWidthDigits", "１２０", "８０", {120, 80}},
    {"IdeographicSpaceThenLetters", "\u3000７５abc", "4x2", {75, 4}},
    {"BlankControlCharactersAreSkipped", "\t\v\f 42", " \t33\x01\x02", {42, 33}},
    {"OtherControlCharactersEndTheNumber", "\x1b[31m7", "9\x1b", {0, 9}},
    {"SecondLineDropped", "11\r\n99", "7\n88", {11, 7}},
    {"Letters", "abc", "XYZ", {0, 0}},
    {"Emoji", "😀12", "1😀2", {0, 1}},
    {"InvalidUtf8", "\xff\xfe" "34", "5\xc3\x28" "6", {0, 5}},
    {"EmbeddedZeroByte", std::string("12\0" "7", 4), std::string("3\0" "9", 3), {12, 3}},
    // 1941303118 and -1 after wrapping.
    {"TenThousandDigits", Repeat("12345678", 1250), Repeat("9", 10000), {1279, 0}},
    {"Negative", "-50", "-20", {0, 0}},
    {"FarOffTheScreen", "100000", "5000", {1279, 799}},
    {"LeftOfAndBelowTheScreen", "-5", "5000", {0, 799}},
    {"Int32Ends", "-2147483648", "2147483648", {0, 0}},
    {"BeyondInt32", "99999999999", "-1", {1279, 0}},
};

class HostileInputTest : public ReliabilityTest {};

TEST_F(HostileInputTest, PastedCoordinatesAreReadByTheConversionsAndClampedByTheServer) {
  ShowLowerPart();
  Probes probes(server_.DisplayName());
  for (const PastedPoint& point : kPastedPoints) {
    SCOPED_TRACE(point.name);
    PasteInto(Control::编辑框4, point.x);
    PasteInto(Control::编辑框5, point.y);
    probes.Clear();
    StartLock();
    std::vector<ButtonRecord> clicks;
    ASSERT_TRUE(WaitUntil([&] {
      clicks = probes.Collect();
      return clicks.size() >= 10;
    })) << "the lock did not click; program output:\n" << program_->Output();
    Press(XK_Up);
    for (const ButtonRecord& r : clicks) {
      EXPECT_EQ(r.x, point.expected.x);
      EXPECT_EQ(r.y, point.expected.y);
    }
    std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(ProgramRuns()) << program_->Output();
  }
}

// Every kind of text into every box that takes text, the two-character
// boxes included; then the program still does all it did before.
TEST_F(HostileInputTest, EveryBoxSurvivesEveryKindOfPaste) {
  const std::vector<std::string> kinds{
      "abcXYZ",       "ＡＢＣ１２３！～",          Repeat("7", 10000), "\xff\xfe\xc3\x28\xe2\x82",
      "😀🇨🇳👍🏽",    "\x01\x02\t\x1b\x7f\x08 9", "\u3000\u4e2d\u6587",
  };
  ShowLowerPart();
  for (Control box : {Control::编辑框2, Control::编辑框3, Control::编辑框6, Control::编辑框4, Control::编辑框5}) {
    for (const std::string& text : kinds) {
      PasteInto(box, text);
      ASSERT_TRUE(ProgramRuns()) << "ended after a paste into " << RowOf(box).name << ":\n" << program_->Output();
    }
  }

  // Choosing the start/stop key gives the disabled interval box the focus;
  // a paste there must leave the interval alone (a letter in front of it
  // would read as 0 and keep clicking from starting).
  ProbeWindow probe(server_.DisplayName(), kProbeAreas.front());
  ChooseItem(Control::组合框2, 31);  // "F6"
  PasteIntoFocus("x");
  MovePointer({150, 100});
  Press(XK_F6);
  Press(XK_F6);
  ASSERT_TRUE(probe.WaitForRecords(20)) << "the interval box took the paste";
  Press(XK_F6);
  std::this_thread::sleep_for(100ms);
  DiscardClicks(probe);
  ExpectLockClicksAt(probe, "60", "50", {60, 50});
}

// The time pasted in full-width digits, each box given one character more
// than it takes: the two-character limit cuts it, the folding reads it,
// and the schedule fires at that second.
TEST_F(HostileInputTest, AFullWidthPastedTimeFires) {
  ShowLowerPart();
  ProbeWindow probe(server_.DisplayName(), kProbeAreas.front());
  PasteInto(Control::编辑框4, "６０");
  PasteInto(Control::编辑框5, "５０");
  auto fullWidth = [](int n) {
    const char* digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    return std::string(digits[n / 10]) + digits[n % 10] + "９";
  };
  const std::time_t at = std::time(nullptr) + 5;
  std::tm local{};
  localtime_r(&at, &local);
  PasteInto(Control::编辑框2, fullWidth(local.tm_hour));
  PasteInto(Control::编辑框3, fullWidth(local.tm_min));
  PasteInto(Control::编辑框6, fullWidth(local.tm_sec));
  ClickControl(Control::按钮6);
  AnswerMessageBox();
  ASSERT_TRUE(probe.WaitForRecords(10, 9000ms)) << "the schedule did not fire";
  EXPECT_GE(std::time(nullptr), at);
  EXPECT_EQ(probe.Records().front().x, 60);
  EXPECT_EQ(probe.Records().front().y, 50);
  std::this_thread::sleep_for(1200ms);
  Press(XK_F4);
}

}  // namespace
}  // namespace ondrave::testing
