// Support for tests against a real X server: a throwaway Xvfb (with a
// window manager when a test needs one), keyboard input synthesised with
// XTest, a probe window that records the clicks reaching it, window search
// and screen pixels. Failures to set any of this up throw
// std::runtime_error, so a test fails with the reason instead of hanging.
//
// Include googletest and the program's own headers before this one: the X
// headers it brings in define None and Bool as macros.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondrave::testing {

// ---- Waiting without racing ----

inline constexpr std::chrono::milliseconds kDefaultWait{2000};

// Asks `poll` again and again, a few milliseconds apart, until it answers
// true or `timeout` has passed; returns its last answer.
bool WaitUntil(const std::function<bool()>& poll, std::chrono::milliseconds timeout = kDefaultWait);

// ---- Connections ----

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// ---- The server ----

struct XvfbOptions {
  int width = 1280;
  int height = 800;
  int depth = 24;
  bool windowManager = false;               // start openbox and wait until it manages the screen
  std::vector<std::string> extraArguments{};  // more Xvfb arguments, e.g. {"-extension", "XTEST"}
};

// An Xvfb on a display number it picks itself (-displayfd), ready for
// connections when the constructor returns; stopped (window manager first)
// by the destructor. Both die with the test process if it is killed.
class XvfbServer {
 public:
  explicit XvfbServer(XvfbOptions options = {});
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", for DISPLAY or XOpenDisplay.
  const std::string& DisplayName() const { return displayName_; }
  int Width() const { return options_.width; }
  int Height() const { return options_.height; }

  // A new client connection to this server.
  DisplayConnection Connect() const;

 private:
  void StartServer();
  void StartWindowManager();
  static bool HandlesMapRequests(Display* display);

  XvfbOptions options_;
  std::string displayName_;
  std::string logPath_;  // the server's and window manager's output, quoted when they fail
  pid_t serverPid_ = -1;
  pid_t windowManagerPid_ = -1;
};

// ---- Keyboard input through XTest ----

// Presses the key while the modifier keys in `held` (XK_Control_L,
// XK_Shift_L, XK_Alt_L, XK_Super_L, ...) are held down, releases everything
// in reverse order, and waits until the server has processed it.
void PressKey(Display* display, KeySym key, std::initializer_list<KeySym> held = {});

// One key event by keycode, for keys whose mapping a test has changed or
// for repeated presses without a release (as auto-repeat sends them).
// Waits until the server has processed it.
void KeyDown(Display* display, KeyCode keycode);
void KeyUp(Display* display, KeyCode keycode);

// The keycode the server maps to the keysym; throws when there is none.
KeyCode KeycodeOf(Display* display, KeySym keysym);

// Switches a lock (XK_Num_Lock, XK_Caps_Lock, XK_Scroll_Lock) on or off
// through XKB, whatever its state was; throws when the keyboard has no
// modifier for it.
void SetLock(Display* display, KeySym lockKey, bool on);

// The modifier bits the keyboard gives a key (XK_Num_Lock -> Mod2Mask on
// the usual keymap); 0 when it is not a modifier key.
unsigned int ModifierMaskOf(Display* display, KeySym keysym);

// Grabs the key on the root window for this connection; false when another
// client holds it already (BadAccess).
bool TryGrabKey(Display* display, KeyCode keycode, unsigned int modifiers);

// ---- A window that records clicks ----

struct ButtonRecord {
  unsigned int button;  // 1 left, 2 middle, 3 right
  bool press;           // ButtonPress, or ButtonRelease
  int x, y;             // on the root window
  Time time;            // the server's timestamp in milliseconds
};

struct ScreenRect {
  int x, y, width, height;
};

// An override-redirect window on its own connection, mapped on top and
// viewable when the constructor returns, recording every ButtonPress and
// ButtonRelease that reaches it.
class ProbeWindow {
 public:
  // Over `area`, or over the whole screen when it is left out.
  explicit ProbeWindow(const std::string& displayName, std::optional<ScreenRect> area = std::nullopt);
  ~ProbeWindow();
  ProbeWindow(const ProbeWindow&) = delete;
  ProbeWindow& operator=(const ProbeWindow&) = delete;

  Window Id() const { return window_; }

  // Takes in the events the server has sent so far.
  void Collect();
  // Collects until `count` records are there or `timeout` has passed.
  bool WaitForRecords(std::size_t count, std::chrono::milliseconds timeout = kDefaultWait);

  const std::vector<ButtonRecord>& Records() const { return records_; }
  int Presses(unsigned int button) const;
  int Releases(unsigned int button) const;
  void Clear() { records_.clear(); }

 private:
  DisplayConnection connection_;
  Window window_ = None;
  std::vector<ButtonRecord> records_;
};

// ---- Finding windows and reading the screen ----

// The first window (depth first from the root) whose _NET_WM_NAME, or
// WM_NAME when it has none, is `title` (UTF-8); None when there is none.
// Under a window manager this is the client window, not its frame.
Window FindWindowByTitle(Display* display, std::string_view title);

struct PixelColor {
  std::uint8_t r, g, b;
  bool operator==(const PixelColor&) const = default;
};

// The colour of one pixel of the screen as it shows now.
PixelColor ScreenshotPixel(Display* display, int x, int y);

// A rectangle of the screen read at once, for tests that look at many
// pixels (gradients, control rectangles).
class Screenshot {
 public:
  Screenshot(Display* display, ScreenRect area);
  ~Screenshot();
  Screenshot(const Screenshot&) = delete;
  Screenshot& operator=(const Screenshot&) = delete;

  // x, y on the root window, inside the area.
  PixelColor At(int x, int y) const;

 private:
  ScreenRect area_;
  XImage* image_;
};

}  // namespace ondrave::testing
