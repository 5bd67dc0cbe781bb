// The main window on Win32: built from the window table, realising the
// control model for the clicker logic and raising the controls' events.
#pragma once

#include <windows.h>

#include <optional>

#include "app/control_model.h"
#include "app/win32/control_creation.h"
#include "app/win32/event_sink.h"
#include "desktop/win32/window_handles.h"

namespace ondrave::win32 {

class MainWindow final : public ControlModel, public WindowHandles, private EventSink {
 public:
  explicit MainWindow(HINSTANCE instance) : instance_(instance) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Start-up up to the Created event: registers the window classes, creates
  // the window hidden and centred with its controls. Ends the process by
  // FatalError when the window or a control cannot be made.
  void Create(EventHandler& handler);
  // Raises the window's Created event.
  void RaiseCreated();
  // False once the window has been destroyed.
  bool Exists() const { return hwnd_ != nullptr && IsWindow(hwnd_); }
  // Shows the window; it becomes active and a control gets the focus.
  void Show();

  // The keyboard rules of the message loop: Esc closes the window, Tab and
  // Shift+Tab move the focus. True when the message was consumed.
  bool ApplyKeyboardRules(const MSG& message);

  // ---- ControlModel ----
  std::string Text(Control editBox) override;
  void SetText(Control editBox, std::string_view text) override;
  std::string Caption(Control c) override;
  void SetCaption(Control c, std::string_view caption) override;
  std::int32_t Checked(Control checkBox) override;
  void SetChecked(Control checkBox, std::int32_t value) override;
  std::int32_t SelectedIndex(Control list) override;
  void SetSelectedIndex(Control list, std::int32_t index) override;
  std::int32_t Visible() override;
  void SetVisible(std::int32_t value) override;
  void SetHeight(std::int32_t outerHeight) override;
  void SetAlwaysOnTop(std::int32_t value) override;
  void SetPeriod(Control timer, std::int32_t period) override;
  void MoveFocus(Control c) override;

  // ---- WindowHandles ----
  HWND MainWindowHandle() const override { return hwnd_; }
  HWND HandleOf(Control c) const override { return Record(c).hwnd; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnControlColour(HDC dc, HWND control);
  void Raise(Control c, Event e, std::int32_t arg1 = 0, std::int32_t arg2 = 0) override;

  // Focus: remembered on deactivation, given back on activation.
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  bool InKeyboardOrder(Control c) const;
  // The control a window of the main window belongs to, if any.
  std::optional<Control> ControlOfWindow(HWND hwnd) const;

  ControlRecord& Record(Control c) { return controls_[static_cast<std::size_t>(c)]; }
  const ControlRecord& Record(Control c) const { return controls_[static_cast<std::size_t>(c)]; }

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  EventHandler* handler_ = nullptr;
  ControlRecords controls_{};
  HWND focusAtDeactivation_ = nullptr;
};

}  // namespace ondrave::win32
