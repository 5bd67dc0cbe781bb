// The clicker logic: one handler per bound (control, event) pair, working on
// the window through the control model and on the desktop through its
// services, with all of its own state in ControllerState.
#pragma once

#include <cstdint>
#include <string>

#include "app/control_model.h"
#include "clicker/controller_state.h"
#include "desktop/services.h"

namespace ondrave {

class Controller final : public EventHandler {
 public:
  Controller(ControlModel& window, DesktopServices& desktop) : window_(window), desktop_(desktop) {}

  void OnCreated() override;
  void OnEvent(Control c, Event e, std::int32_t arg1 = 0, std::int32_t arg2 = 0) override;

  const ControllerState& state() const { return state_; }

  // Whether a handler is bound to this pair; the window table names the same pairs.
  static bool IsBound(Control c, Event e);

 private:
  struct Binding;
  static const Binding* FindBinding(Control c, Event e);

  // Hotkey dispatch and its branches.
  void 标签1_Feedback(std::int32_t hotkeyId, std::int32_t unused);
  void ShowHideBranch();
  void CaptureBranch();
  void LockStopBranch();
  void ScheduleStopBranch();
  void StartStopBranch();

  // Continuous clicking.
  void 组合框2_ItemSelected();
  void 时钟1_Tick();

  // Coordinate capture.
  void 时钟2_Tick();

  // Fixed-point lock.
  void 按钮7_Clicked();
  void 时钟3_Tick();
  bool FixedPointFilledIn();

  // Scheduled click.
  void 按钮6_Clicked();
  void 按钮1_Clicked();
  void 编辑框3_LostFocus();
  void 时钟4_Tick();
  bool ClockAgreesWith(std::int32_t part, Control box);
  std::string ScheduleText();

  // Clock, window options and help.
  void 时钟5_Tick();
  void 选择框1_Clicked();
  void 选择框2_Clicked();
  void 按钮2_Clicked();
  void 按钮8_Clicked();

  HotkeyId Register(std::int32_t virtualKey);

  ControlModel& window_;
  DesktopServices& desktop_;
  ControllerState state_;
};

}  // namespace ondrave
