#include "headless/headless_desktop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "app/keyboard_rules.h"
#include "app/timer_rules.h"

namespace ondrave::testing {

HeadlessDesktop::HeadlessDesktop() {
  for (const ControlRow& s : ControlTable()) {
    Item item{s.kind, std::string(s.text)};
    item.selected = s.selectedIndex;
    item.period = s.period;
    // A timer with a period in the description runs from the window's creation.
    if (s.kind == ControlKind::Timer && s.period > 0) {
      item.running = true;
      item.dueMs = EffectiveInterval(s.period);
    }
    controls_.emplace(s.id, std::move(item));
  }
  outerHeight_ = kMainWindow.outerHeight;
}

void HeadlessDesktop::Start(EventHandler& handler) {
  handler_ = &handler;
  handler.OnCreated();
  visible_ = 1;
  focus_ = DefaultFocus([](Control c) { return IsTabStop(RowOf(c).kind) && !RowOf(c).disabled; });
}

HeadlessDesktop::Item& HeadlessDesktop::Of(Control c, ControlKind kind) {
  Item& item = controls_.at(c);
  if (item.kind != kind && !(kind == ControlKind::Label && item.kind == ControlKind::PushButton))
    throw std::logic_error("property used on a control of another kind: " + std::string(RowOf(c).name));
  return item;
}

void HeadlessDesktop::Raise(Control c, Event e, std::int32_t a, std::int32_t b) {
  if (handler_) handler_->OnEvent(c, e, a, b);
}

// ---- Clock and timers ----

std::optional<Control> HeadlessDesktop::EarliestDueTimer(std::int64_t limit) const {
  std::optional<Control> best;
  for (const auto& [c, item] : controls_) {
    if (item.kind != ControlKind::Timer || !item.running || item.dueMs > limit) continue;
    if (!best || item.dueMs < controls_.at(*best).dueMs) best = c;
  }
  return best;
}

void HeadlessDesktop::Advance(std::int64_t ms) {
  const std::int64_t until = nowMs_ + ms;
  // Timers overdue after a stall tick once now; their rhythm then goes on.
  while (auto timer = EarliestDueTimer(until)) {
    Item& t = controls_.at(*timer);
    if (t.dueMs > nowMs_) nowMs_ = t.dueMs;
    t.dueMs = NextDue(t.dueMs, nowMs_, EffectiveInterval(t.period));
    Raise(*timer, Event::Tick);
  }
  if (until > nowMs_) nowMs_ = until;
}

void HeadlessDesktop::SetLocalTime(DateTime at) {
  localTimeBase_ = at;
  localTimeBaseMs_ = nowMs_;
}

DateTime HeadlessDesktop::CurrentDateTime() {
  // Whole seconds only: the milliseconds are dropped.
  const std::int64_t baseSeconds = std::llround(localTimeBase_ * 86400.0);
  const std::int64_t seconds = baseSeconds + (nowMs_ - localTimeBaseMs_) / 1000;
  const std::int64_t days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  return static_cast<double>(days) + static_cast<double>(seconds - days * 86400) / 86400.0;
}

void HeadlessDesktop::SetPeriod(Control timer, std::int32_t period) {
  Item& t = Of(timer, ControlKind::Timer);
  const TimerPeriodWrite w = DecidePeriodWrite(t.period, period);
  if (w.action == TimerPeriodWrite::Action::Nothing) return;
  t.period = w.newPeriod;
  t.running = w.action == TimerPeriodWrite::Action::Restart;
  if (t.running) t.dueMs = nowMs_ + EffectiveInterval(t.period);
}

// ---- Properties ----

std::string HeadlessDesktop::Text(Control editBox) { return Of(editBox, ControlKind::EditBox).text; }

void HeadlessDesktop::SetText(Control editBox, std::string_view text) {
  Of(editBox, ControlKind::EditBox).text = std::string(text);
}

std::string HeadlessDesktop::Caption(Control c) { return Of(c, ControlKind::Label).text; }

void HeadlessDesktop::SetCaption(Control c, std::string_view caption) {
  Of(c, ControlKind::Label).text = std::string(caption);
}

std::int32_t HeadlessDesktop::Checked(Control checkBox) { return Of(checkBox, ControlKind::CheckBox).checked; }

void HeadlessDesktop::SetChecked(Control checkBox, std::int32_t value) {
  Of(checkBox, ControlKind::CheckBox).checked = AsBoolean(value);
}

std::int32_t HeadlessDesktop::SelectedIndex(Control list) { return Of(list, ControlKind::DropDownList).selected; }

void HeadlessDesktop::SetSelectedIndex(Control list, std::int32_t index) {
  Of(list, ControlKind::DropDownList).selected =
      ClampSelection(index, static_cast<std::int32_t>(RowOf(list).items.size()));
}

void HeadlessDesktop::MoveFocus(Control c) {
  if (focus_ == c) return;
  const std::optional<Control> previous = focus_;
  focus_ = c;
  if (previous && RowOf(*previous).kind == ControlKind::EditBox) Raise(*previous, Event::LostFocus);
}

// ---- The user ----

void HeadlessDesktop::ClickButton(Control c) {
  const ControlRow& s = RowOf(c);
  if (s.disabled) return;
  if (s.kind == ControlKind::CheckBox) {
    Item& box = Of(c, ControlKind::CheckBox);
    box.checked = box.checked ? 0 : 1;
  } else if (s.kind != ControlKind::PushButton) {
    throw std::logic_error("not a button: " + std::string(s.name));
  }
  MoveFocus(c);
  Raise(c, Event::Clicked);
}

void HeadlessDesktop::ChooseItem(Control list, std::int32_t index) {
  if (RowOf(list).disabled) return;
  MoveFocus(list);
  SetSelectedIndex(list, index);
  Raise(list, Event::ItemSelected);
}

void HeadlessDesktop::Type(Control edit, std::string_view utf8) {
  if (RowOf(edit).disabled) return;
  MoveFocus(edit);
  for (char ch : utf8) {
    // Multi-byte characters are never digits or "-": the filter drops them whole.
    if (static_cast<unsigned char>(ch) >= 0x80 || !EditAcceptsTypedChar(static_cast<unsigned char>(ch))) continue;
    Item& box = Of(edit, ControlKind::EditBox);
    box.text += FitToLimit(std::string_view(&ch, 1), CharacterCount(box.text), 0, RowOf(edit).textLimit);
  }
}

void HeadlessDesktop::Paste(Control edit, std::string_view utf8) {
  if (RowOf(edit).disabled) return;
  MoveFocus(edit);
  Item& box = Of(edit, ControlKind::EditBox);
  box.text += FitToLimit(utf8, CharacterCount(box.text), 0, RowOf(edit).textLimit);
}

void HeadlessDesktop::ClearText(Control edit) { Of(edit, ControlKind::EditBox).text.clear(); }

void HeadlessDesktop::Focus(Control c) { MoveFocus(c); }

void HeadlessDesktop::PressHotkey(std::int32_t virtualKey) {
  const auto live = liveByKey_.find(virtualKey);
  if (live == liveByKey_.end() || !sinkLabel_) return;  // not a hotkey of this program
  Raise(*sinkLabel_, Event::Feedback, live->second, 0);
}

// ---- Desktop services ----

HotkeyId HeadlessDesktop::RegisterGlobalHotkey(Control sinkLabel, std::int32_t modifierWord, std::int32_t virtualKey) {
  sinkLabel_ = sinkLabel;
  ++attemptCount_;
  const HotkeyId candidate = kFirstHotkeyId - 1 + attemptCount_;
  const bool refused = heldElsewhere_.count(virtualKey) > 0 || liveByKey_.count(virtualKey) > 0;
  const HotkeyId id = refused ? 0 : candidate;
  if (!refused) liveByKey_[virtualKey] = id;
  registrations_.push_back({virtualKey, modifierWord, sinkLabel, id});
  return id;
}

void HeadlessDesktop::SimulateClick(std::int32_t x, std::int32_t y, ClickKind kind) {
  pointerX_ = x;
  pointerY_ = y;
  clicks_.push_back({x, y, kind, nowMs_});
}

MessageResult HeadlessDesktop::ShowMessage(std::string_view text, std::uint32_t style) {
  ++openMessages_;
  const ShownMessage shown{std::string(text), style, openMessages_};
  messages_.push_back(shown);
  MessageResult result = kResultOk;
  if (!answers_.empty()) {
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    result = answer(shown);
  } else if ((style & kStyleButtonsMask) == kStyleYesNoButtons) {
    ADD_FAILURE() << "a Yes/No box was shown with no answer scripted: " << text;
  }
  --openMessages_;
  return result;
}

}  // namespace ondrave::testing
