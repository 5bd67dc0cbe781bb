// A desktop in memory for testing the clicker logic: controls made from the
// window table, a virtual clock with timers that follow the desktop's timer
// rules, scripted message boxes (inside which a test can deliver ticks,
// hotkey presses and clicks, nested as on a real desktop), recorded hotkey
// registrations with refusals a test can force, and recorded clicks.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/control_model.h"
#include "desktop/services.h"

namespace ondrave::testing {

struct ShownMessage {
  std::string text;
  std::uint32_t style;
  int depth;  // 1 for a box opened from the main loop, 2 for one opened while another is open
};

struct Registration {
  std::int32_t virtualKey;
  std::int32_t modifierWord;
  Control sink;
  HotkeyId id;  // 0 when refused
};

struct RecordedClick {
  std::int32_t x, y;
  ClickKind kind;
  std::int64_t atMs;
};

class HeadlessDesktop final : public ControlModel, public DesktopServices {
 public:
  HeadlessDesktop();

  // Start-up: raises Created, then shows the window and focuses as the window does.
  void Start(EventHandler& handler);

  // ---- The virtual clock ----
  std::int64_t NowMs() const { return nowMs_; }
  // Lets time pass, delivering every tick that falls due, in time order.
  void Advance(std::int64_t ms);
  // Keeps the thread busy: time passes but no tick is delivered until the
  // next Advance, when each overdue timer ticks once.
  void Stall(std::int64_t ms) { nowMs_ += ms; }
  // The local date and time at this instant; the clock runs on from it.
  void SetLocalTime(DateTime at);

  // ---- The user ----
  void ClickButton(Control c);          // push button or check box (toggles it first)
  void ChooseItem(Control list, std::int32_t index);
  void Type(Control edit, std::string_view utf8);   // through the typed-character filter
  void Paste(Control edit, std::string_view utf8);  // unfiltered, within the text limit
  void ClearText(Control edit);
  void Focus(Control c);                // a click into a control, or Tab
  void PressHotkey(std::int32_t virtualKey);
  void MovePointer(std::int32_t x, std::int32_t y) { pointerX_ = x; pointerY_ = y; }

  // ---- Scripted message boxes ----
  // The next box shown runs `answer` while it is open and returns its result.
  using Answer = std::function<MessageResult(const ShownMessage&)>;
  void AnswerNextMessage(Answer answer) { answers_.push_back(std::move(answer)); }
  void AnswerNextMessage(MessageResult result) {
    answers_.push_back([result](const ShownMessage&) { return result; });
  }
  const std::vector<ShownMessage>& messages() const { return messages_; }
  int openMessages() const { return openMessages_; }

  // ---- Hotkeys held elsewhere, and what was registered ----
  void HeldByAnotherClient(std::int32_t virtualKey) { heldElsewhere_.insert(virtualKey); }
  const std::vector<Registration>& registrations() const { return registrations_; }

  // ---- Observations ----
  const std::vector<RecordedClick>& clicks() const { return clicks_; }
  std::int32_t Period(Control timer) const { return controls_.at(timer).period; }
  bool Running(Control timer) const { return controls_.at(timer).running; }
  std::int32_t OuterHeight() const { return outerHeight_; }
  std::int32_t AlwaysOnTop() const { return alwaysOnTop_; }
  std::optional<Control> FocusedControl() const { return focus_; }

  // ---- ControlModel ----
  std::string Text(Control editBox) override;
  void SetText(Control editBox, std::string_view text) override;
  std::string Caption(Control c) override;
  void SetCaption(Control c, std::string_view caption) override;
  std::int32_t Checked(Control checkBox) override;
  void SetChecked(Control checkBox, std::int32_t value) override;
  std::int32_t SelectedIndex(Control list) override;
  void SetSelectedIndex(Control list, std::int32_t index) override;
  std::int32_t Visible() override { return visible_; }
  void SetVisible(std::int32_t value) override { visible_ = AsBoolean(value); }
  void SetHeight(std::int32_t outerHeight) override { outerHeight_ = ClampHeight(outerHeight); }
  void SetAlwaysOnTop(std::int32_t value) override { alwaysOnTop_ = AsBoolean(value); }
  void SetPeriod(Control timer, std::int32_t period) override;
  void MoveFocus(Control c) override;

  // ---- DesktopServices ----
  HotkeyId RegisterGlobalHotkey(Control sinkLabel, std::int32_t modifierWord, std::int32_t virtualKey) override;
  std::int32_t PointerX() override { return pointerX_; }
  std::int32_t PointerY() override { return pointerY_; }
  void SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind) override;
  MessageResult ShowMessage(std::string_view text, std::uint32_t style) override;
  DateTime CurrentDateTime() override;
  void TrimWorkingSet() override { ++trims_; }
  int trims() const { return trims_; }

 private:
  struct Item {
    ControlKind kind;
    std::string text;  // edit box text, or caption
    std::int32_t checked = 0;
    std::int32_t selected = -1;
    std::int32_t period = 0;
    bool running = false;
    std::int64_t dueMs = 0;
  };
  Item& Of(Control c, ControlKind kind);
  void Raise(Control c, Event e, std::int32_t a = 0, std::int32_t b = 0);
  std::optional<Control> EarliestDueTimer(std::int64_t limit) const;

  EventHandler* handler_ = nullptr;
  std::map<Control, Item> controls_;
  std::int64_t nowMs_ = 0;
  std::int64_t localTimeBaseMs_ = 0;
  DateTime localTimeBase_ = 0;
  std::int32_t visible_ = 0, outerHeight_ = 0, alwaysOnTop_ = 0;
  std::optional<Control> focus_;
  std::int32_t pointerX_ = 0, pointerY_ = 0;

  std::deque<Answer> answers_;
  std::vector<ShownMessage> messages_;
  int openMessages_ = 0;

  std::set<std::int32_t> heldElsewhere_;
  std::map<std::int32_t, HotkeyId> liveByKey_;  // key -> id of this program's live registration
  std::vector<Registration> registrations_;
  std::int32_t attemptCount_ = 0;
  std::optional<Control> sinkLabel_;

  std::vector<RecordedClick> clicks_;
  int trims_ = 0;
};

}  // namespace ondrave::testing
