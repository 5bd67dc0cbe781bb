// The main window: built from the control table, one widget per row, and
// the control model through which the clicker logic works on it.
#pragma once

// The control table's headers come before any X header (X.h defines None).
#include "app/control_model.h"
#include "app/fltk/control_widget.h"
#include "desktop/fltk/frame_geometry.h"
#include "desktop/fltk/timers.h"

#include <FL/Fl_Double_Window.H>
#include <X11/Xlib.h>

#include <array>
#include <memory>
#include <optional>

namespace ondrave::fltk {

class MainWindow final : public Fl_Double_Window, public ControlModel, public ControlHost {
 public:
  // Builds the window and its controls, hidden; timers with a period in the
  // table run from here on. The display must be open.
  MainWindow();
  ~MainWindow() override;

  void SetEventHandler(EventHandler& handler) { handler_ = &handler; }
  void RaiseCreated();

  // Shows the window for the first time, its outer rectangle centred on
  // the primary monitor.
  void ShowCentred();

  // The close box, the window manager's close, Esc: hides the window, stops
  // its timers, takes open message boxes away and raises no event any more.
  void Close();
  bool Closed() const { return closed_; }

  // A hotkey press for the label that registered it: its Feedback event.
  void DeliverFeedback(Control label, std::int32_t arg1, std::int32_t arg2);

  // Offered every X event: follows the frame the window manager reports.
  // Consumes nothing.
  bool HandleXEvent(const XEvent& event);

  // ---- For the keyboard rules ----
  std::optional<Control> FocusedControl() const;
  // Whether the focus lies on a control that is disabled.
  bool FocusOnDisabledControl() const;
  // Visible, enabled and a tab stop, now.
  bool InKeyboardOrder(Control c) const;

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

  // ---- ControlHost ----
  void Raise(Control c, Event e, std::int32_t arg1 = 0, std::int32_t arg2 = 0) override;
  void FocusLeft(Control c) override;

 protected:
  int handle(int event) override;

 private:
  template <class Widget>
  Widget* As(Control c) const;
  Fl_Widget* WidgetOf(Control c) const { return widgets_[static_cast<int>(c)]; }
  void AddControl(const ControlRow& entry);
  void ShowAgain();
  void RestoreFocus();
  void PlaceClient(Rect client);
  void FitFrame(FrameExtents frame);
  static void OnCloseRequest(Fl_Widget* window, void*);

  EventHandler* handler_ = nullptr;
  std::array<Fl_Widget*, kControlCount> widgets_{};
  std::array<std::unique_ptr<TimerControl>, kControlCount> timers_;
  bool closed_ = false;
  std::int32_t outerHeight_;
  FrameExtents frame_;
  const Atom frameExtentsAtom_;
  bool alwaysOnTop_ = false;
  // The control that had the focus when the window was last deactivated.
  std::optional<Control> rememberedFocus_;
};

}  // namespace ondrave::fltk
