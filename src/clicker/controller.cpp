#include "clicker/controller.h"

#include <cmath>

#include "clicker/key_table.h"
#include "clicker/messages.h"
#include "desktop/text_conversions.h"

namespace ondrave {

struct Controller::Binding {
  Control control;
  Event event;
  void (*run)(Controller&, std::int32_t, std::int32_t);
};

const Controller::Binding* Controller::FindBinding(Control c, Event e) {
  using C = Control;
  using E = Event;
  static constexpr Binding kBindings[] = {
      {C::标签1, E::Feedback, [](Controller& k, std::int32_t a, std::int32_t b) { k.标签1_Feedback(a, b); }},
      {C::组合框2, E::ItemSelected, [](Controller& k, std::int32_t, std::int32_t) { k.组合框2_ItemSelected(); }},
      {C::时钟1, E::Tick, [](Controller& k, std::int32_t, std::int32_t) { k.时钟1_Tick(); }},
      {C::时钟2, E::Tick, [](Controller& k, std::int32_t, std::int32_t) { k.时钟2_Tick(); }},
      {C::按钮7, E::Clicked, [](Controller& k, std::int32_t, std::int32_t) { k.按钮7_Clicked(); }},
      {C::时钟3, E::Tick, [](Controller& k, std::int32_t, std::int32_t) { k.时钟3_Tick(); }},
      {C::按钮6, E::Clicked, [](Controller& k, std::int32_t, std::int32_t) { k.按钮6_Clicked(); }},
      {C::按钮1, E::Clicked, [](Controller& k, std::int32_t, std::int32_t) { k.按钮1_Clicked(); }},
      {C::编辑框3, E::LostFocus, [](Controller& k, std::int32_t, std::int32_t) { k.编辑框3_LostFocus(); }},
      {C::时钟4, E::Tick, [](Controller& k, std::int32_t, std::int32_t) { k.时钟4_Tick(); }},
      {C::时钟5, E::Tick, [](Controller& k, std::int32_t, std::int32_t) { k.时钟5_Tick(); }},
      {C::选择框1, E::Clicked, [](Controller& k, std::int32_t, std::int32_t) { k.选择框1_Clicked(); }},
      {C::选择框2, E::Clicked, [](Controller& k, std::int32_t, std::int32_t) { k.选择框2_Clicked(); }},
      {C::按钮2, E::Clicked, [](Controller& k, std::int32_t, std::int32_t) { k.按钮2_Clicked(); }},
      {C::按钮8, E::Clicked, [](Controller& k, std::int32_t, std::int32_t) { k.按钮8_Clicked(); }},
  };
  for (const Binding& b : kBindings)
    if (b.control == c && b.event == e) return &b;
  return nullptr;
}

bool Controller::IsBound(Control c, Event e) { return FindBinding(c, e) != nullptr; }

void Controller::OnEvent(Control c, Event e, std::int32_t arg1, std::int32_t arg2) {
  if (const Binding* b = FindBinding(c, e)) b->run(*this, arg1, arg2);
}

HotkeyId Controller::Register(std::int32_t virtualKey) {
  return desktop_.RegisterGlobalHotkey(Control::标签1, 0, virtualKey);
}

// ---- Start-up and hotkey dispatch ----

void Controller::OnCreated() {
  state_.showHideKeyId = Register(kVkF3);
  state_.captureKeyId = Register(kVkF1);
  state_.captureArmed = 1;
  state_.lockStopKeyPending = 1;
  state_.lockNoticeAccepted = 0;
  state_.scheduleStopKeyPending = 1;
}

void Controller::标签1_Feedback(std::int32_t hotkeyId, std::int32_t) {
  // Each comparison reads its field anew: a branch may have changed the
  // fields, and every branch whose field matches runs.
  if (hotkeyId == state_.showHideKeyId) ShowHideBranch();
  if (hotkeyId == state_.captureKeyId) CaptureBranch();
  if (hotkeyId == state_.lockStopKeyId) LockStopBranch();
  if (hotkeyId == state_.scheduleStopKeyId) ScheduleStopBranch();
  if (hotkeyId == state_.startStopKeyId) StartStopBranch();
}

void Controller::ShowHideBranch() { window_.SetVisible(window_.Visible() == 1 ? 0 : 1); }

// ---- Continuous clicking ----

void Controller::组合框2_ItemSelected() {
  const std::int32_t index = window_.SelectedIndex(Control::组合框2);
  if (index < 0 || index >= static_cast<std::int32_t>(kStartStopKeys.size())) return;
  state_.startStopKeyId = Register(kStartStopKeys[index]);
  state_.startStopArmed = 0;
  window_.MoveFocus(Control::编辑框1);
}

void Controller::StartStopBranch() {
  const std::string interval = window_.Text(Control::编辑框1);
  if (interval.empty()) {
    desktop_.ShowMessage(text::kSetInterval, kStyleOk);
    return;
  }
  if (state_.startStopArmed == 1) {
    state_.startStopArmed = 0;
    window_.SetPeriod(Control::时钟1, TextToInt(interval));
  } else {
    state_.startStopArmed = 1;
    window_.SetPeriod(Control::时钟1, 0);
  }
}

void Controller::时钟1_Tick() {
  const std::int32_t kind = window_.SelectedIndex(Control::组合框1);
  if (kind < 0 || kind > 3) return;
  const std::int32_t x = desktop_.PointerX();
  const std::int32_t y = desktop_.PointerY();
  desktop_.SimulateClick(x, y, kind);
}

// ---- Coordinate capture ----

void Controller::CaptureBranch() {
  if (state_.captureArmed == 1) {
    window_.SetPeriod(Control::时钟2, 10);
    state_.captureArmed = 0;
    window_.SetCaption(Control::标签12, text::kCaptureOn);
  } else {
    window_.SetPeriod(Control::时钟2, 0);
    state_.captureArmed = 1;
    window_.SetCaption(Control::标签12, text::kCaptureOff);
  }
}

void Controller::时钟2_Tick() {
  window_.SetText(Control::编辑框4, IntToText(desktop_.PointerX()));
  window_.SetText(Control::编辑框5, IntToText(desktop_.PointerY()));
}

// ---- Fixed-point lock ----

bool Controller::FixedPointFilledIn() {
  // The X box is tested first, the Y box only when X is filled in.
  if (window_.Text(Control::编辑框4).empty() || window_.Text(Control::编辑框5).empty()) {
    desktop_.ShowMessage(text::kCoordinateMissing, kStyleStop);
    return false;
  }
  return true;
}

void Controller::按钮7_Clicked() {
  if (!FixedPointFilledIn()) return;
  if (state_.lockStopKeyPending == 1) {
    state_.lockStopKeyId = Register(kVkUp);
    state_.lockStopKeyPending = 0;
  }
  if (state_.lockNoticeAccepted == 0) {
    if (desktop_.ShowMessage(text::kLockNotice, kStyleYesNo) == kResultYes) state_.lockNoticeAccepted = 1;
  }
  if (state_.lockNoticeAccepted == 1) window_.SetPeriod(Control::时钟3, 10);
}

void Controller::LockStopBranch() { window_.SetPeriod(Control::时钟3, 0); }

void Controller::时钟3_Tick() {
  const std::int32_t x = TextToInt(window_.Text(Control::编辑框4));
  const std::int32_t y = TextToInt(window_.Text(Control::编辑框5));
  desktop_.SimulateClick(x, y, window_.SelectedIndex(Control::组合框1));
}

// ---- Scheduled click ----

std::string Controller::ScheduleText() {
  std::string s(text::kSchedulePrefix);
  s += window_.Text(Control::编辑框2);
  s += text::kHourUnit;
  s += window_.Text(Control::编辑框3);
  s += text::kMinuteUnit;
  s += window_.Text(Control::编辑框6);
  s += text::kSecondUnit;
  return s;
}

void Controller::按钮6_Clicked() {
  if (window_.Caption(Control::按钮6) != text::kScheduleSet) {
    window_.SetCaption(Control::按钮6, text::kScheduleSet);
    window_.SetPeriod(Control::时钟3, 0);
    window_.SetPeriod(Control::时钟4, 0);
    window_.SetCaption(Control::标签11, text::kScheduleCancelled);
    return;
  }
  if (!FixedPointFilledIn()) return;
  window_.SetCaption(Control::按钮6, text::kScheduleCancel);
  // The caption reads 取消 while the notice is open, so a click of 按钮6 in
  // that time cancels; this set still goes on once the notice is closed.
  desktop_.ShowMessage(text::kScheduleNotice, kStyleOk);
  window_.SetCaption(Control::标签11, ScheduleText());
  if (state_.scheduleStopKeyPending == 1) {
    state_.scheduleStopKeyId = Register(kVkF4);
    state_.scheduleStopKeyPending = 0;
  }
  window_.SetPeriod(Control::时钟4, 1000);
}

bool Controller::ClockAgreesWith(std::int32_t part, Control box) {
  const double now = TimePart(desktop_.CurrentDateTime(), part);
  return std::fabs(now - TextToNumber(window_.Text(box))) <= 1e-7;
}

void Controller::时钟4_Tick() {
  // Each stage reads the clock anew and the first disagreement ends the tick.
  if (!ClockAgreesWith(6, Control::编辑框2)) return;
  if (!ClockAgreesWith(7, Control::编辑框3)) return;
  if (!ClockAgreesWith(8, Control::编辑框6)) return;
  window_.SetPeriod(Control::时钟3, 10);
}

void Controller::ScheduleStopBranch() {
  window_.SetPeriod(Control::时钟3, 0);
  window_.SetCaption(Control::按钮6, text::kScheduleSet);
}

void Controller::按钮1_Clicked() {
  window_.SetCaption(Control::标签11, ScheduleText());
  desktop_.ShowMessage(text::kScheduleUpdated, kStyleOk);
}

void Controller::编辑框3_LostFocus() { window_.MoveFocus(Control::编辑框6); }

// ---- Clock, window options and help ----

void Controller::时钟5_Tick() {
  window_.SetCaption(Control::标签10, DateTimeToText(desktop_.CurrentDateTime()));
  desktop_.TrimWorkingSet();
}

void Controller::选择框1_Clicked() { window_.SetAlwaysOnTop(window_.Checked(Control::选择框1) == 1 ? 1 : 0); }

void Controller::选择框2_Clicked() {
  window_.SetHeight(window_.Checked(Control::选择框2) == 1 ? kMainWindow.tallHeight : kMainWindow.outerHeight);
}

void Controller::按钮2_Clicked() { desktop_.ShowMessage(text::kHotkeyHelp, kStyleOk); }

void Controller::按钮8_Clicked() { desktop_.ShowMessage(text::kUsageHelp, kStyleOk); }

}  // namespace ondrave
