#include "app/fltk/main_window.h"

// The control table's headers come before any X header (X.h defines None).
#include "app/fltk/app_icon.h"
#include "app/fltk/drop_down_list.h"
#include "app/fltk/edit_box.h"
#include "app/fltk/widget_factory.h"
#include "app/keyboard_rules.h"
#include "desktop/fatal_error.h"
#include "desktop/fltk/message_box.h"
#include "desktop/fltk/primary_monitor.h"
#include "desktop/fltk/window_manager.h"

#include <FL/Fl.H>
#include <FL/Fl_Check_Button.H>
#include <FL/x.H>

#include <string>

namespace ondrave::fltk {

MainWindow::MainWindow()
    : Fl_Double_Window(kMainWindow.outerWidth, kMainWindow.outerHeight),
      outerHeight_(kMainWindow.outerHeight),
      frameExtentsAtom_(XInternAtom(fl_display, "_NET_FRAME_EXTENTS", False)) {
  end();
  copy_label(std::string(kMainWindow.title).c_str());
  xclass(std::string(kMainWindow.windowClass).c_str());
  icon(&ApplicationIcon());
  // Nothing in the window stretches, so the window manager offers no resizing.
  resizable(nullptr);
  callback(OnCloseRequest);
  // From the last row to the first: each widget is added on top of those
  // before it, so the first row ends up on top of the stacking.
  const auto table = ControlTable();
  for (auto row = table.rbegin(); row != table.rend(); ++row) AddControl(*row);
}

MainWindow::~MainWindow() = default;

void MainWindow::AddControl(const ControlRow& entry) {
  const int index = static_cast<int>(entry.id);
  if (entry.kind == ControlKind::Timer) {
    timers_[index] = std::make_unique<TimerControl>(entry.period, [this, id = entry.id] { Raise(id, Event::Tick); });
    return;
  }
  Fl_Widget* widget = MakeWidget(entry, *this);
  // A parent group box comes later in the table, so it is made already.
  auto* parent = entry.parent ? dynamic_cast<Fl_Group*>(WidgetOf(*entry.parent)) : static_cast<Fl_Group*>(this);
  if (widget == nullptr || parent == nullptr)
    FatalError("无法创建控件 " + std::string(entry.name) + "。\nCannot create the control " +
               std::string(entry.name) + ".");
  parent->add(widget);
  widgets_[index] = widget;
}

template <class Widget>
Widget* MainWindow::As(Control c) const {
  return dynamic_cast<Widget*>(WidgetOf(c));
}

// ---- Start-up, shut-down, events ----

void MainWindow::RaiseCreated() {
  if (EventsStopped() || closed_ || handler_ == nullptr) return;
  handler_->OnCreated();
}

void MainWindow::Raise(Control c, Event e, std::int32_t arg1, std::int32_t arg2) {
  if (EventsStopped() || closed_ || handler_ == nullptr) return;
  handler_->OnEvent(c, e, arg1, arg2);
}

void MainWindow::DeliverFeedback(Control label, std::int32_t arg1, std::int32_t arg2) {
  // Feedback is an event of labels only.
  if (RowOf(label).kind == ControlKind::Label) Raise(label, Event::Feedback, arg1, arg2);
}

void MainWindow::OnCloseRequest(Fl_Widget* window, void*) {
  // The toolkit also calls this for an Esc that nothing else took. Esc is
  // the keyboard rules' alone: they close the window themselves when they
  // act, and when they do not, Esc closes nothing.
  if (Fl::event() == FL_CLOSE) static_cast<MainWindow*>(window)->Close();
}

void MainWindow::Close() {
  if (closed_) return;
  closed_ = true;
  for (auto& timer : timers_)
    if (timer) timer->SetPeriod(0);
  hide();
  CloseMessageBoxes();
}

// ---- Showing and the outer size ----

void MainWindow::ShowCentred() {
  const Rect outer = CentredOn(PrimaryMonitorArea(fl_display), kMainWindow.outerWidth, outerHeight_);
  PlaceClient(ClientRectFor(outer, frame_));
  force_position(1);
  ShowAgain();
}

void MainWindow::ShowAgain() {
  show();
  const Window client = fl_xid(this);
  WatchProperties(fl_display, client);
  if (const auto frame = ReadFrameExtents(fl_display, client)) FitFrame(*frame);
  if (alwaysOnTop_) KeepAbove(fl_display, client, true, true);
  FocusWhenUnmanaged(*this);
}

void MainWindow::PlaceClient(Rect client) { resize(client.x, client.y, client.w, client.h); }

void MainWindow::FitFrame(FrameExtents frame) {
  if (frame == frame_) return;
  // The outer rectangle stays where it is and as large as it was asked to
  // be; the client makes room for the new frame.
  const Rect outer = OuterRectOf({x(), y(), w(), h()}, frame_);
  frame_ = frame;
  PlaceClient(ClientRectFor({outer.x, outer.y, kMainWindow.outerWidth, outerHeight_}, frame_));
}

bool MainWindow::HandleXEvent(const XEvent& event) {
  if (event.type == PropertyNotify && shown() && event.xproperty.window == fl_xid(this) &&
      event.xproperty.atom == frameExtentsAtom_) {
    if (const auto frame = ReadFrameExtents(fl_display, event.xproperty.window)) FitFrame(*frame);
  }
  return false;
}

// ---- Focus ----

int MainWindow::handle(int event) {
  switch (event) {
    case FL_FOCUS:
      // The window itself is given the focus when it is activated.
      if (!contains(Fl::focus())) {
        RestoreFocus();
        return 1;
      }
      break;
    case FL_KEYBOARD:
      // No arrow-key or Tab navigation of the toolkit's: Tab is the keyboard
      // rules', and arrows belong to the focused control.
      return 0;
    default:
      break;
  }
  return Fl_Double_Window::handle(event);
}

void MainWindow::RestoreFocus() {
  const auto target =
      rememberedFocus_ ? rememberedFocus_ : DefaultFocus([this](Control c) { return InKeyboardOrder(c); });
  if (target) MoveFocus(*target);
}

void MainWindow::FocusLeft(Control c) {
  // Focus leaving the window altogether is its deactivation.
  if (!contains(Fl::focus())) rememberedFocus_ = c;
  if (RowOf(c).kind == ControlKind::EditBox) Raise(c, Event::LostFocus);
}

std::optional<Control> MainWindow::FocusedControl() const {
  const Fl_Widget* focused = Fl::focus();
  for (int i = 0; i < kControlCount; ++i)
    if (focused != nullptr && widgets_[i] == focused) return static_cast<Control>(i);
  return std::nullopt;
}

bool MainWindow::FocusOnDisabledControl() const {
  const auto focused = FocusedControl();
  return focused && !WidgetOf(*focused)->active_r();
}

bool MainWindow::InKeyboardOrder(Control c) const {
  const Fl_Widget* widget = WidgetOf(c);
  if (widget == nullptr || !IsTabStop(RowOf(c).kind) || !widget->active_r()) return false;
  // Visible as a control, whether or not the window is on the screen and
  // whether or not the control lies inside the window's client area.
  for (const Fl_Widget* w = widget; w != nullptr && w != this; w = w->parent())
    if (!w->visible()) return false;
  return true;
}

void MainWindow::MoveFocus(Control c) {
  Fl_Widget* widget = WidgetOf(c);
  if (widget == nullptr) return;
  // A disabled control takes no focus of the toolkit's own accord; it is
  // given it all the same.
  if (!widget->take_focus()) {
    Fl::focus(widget);
    widget->redraw();
  }
}

// ---- ControlModel ----

std::string MainWindow::Text(Control editBox) {
  const EditBox* box = As<EditBox>(editBox);
  return box ? box->Text() : std::string();
}

void MainWindow::SetText(Control editBox, std::string_view text) {
  if (EditBox* box = As<EditBox>(editBox)) box->SetText(text);
}

std::string MainWindow::Caption(Control c) {
  const Captioned* captioned = As<Captioned>(c);
  return captioned ? captioned->Caption() : std::string();
}

void MainWindow::SetCaption(Control c, std::string_view caption) {
  if (Captioned* captioned = As<Captioned>(c)) captioned->SetCaption(caption);
}

std::int32_t MainWindow::Checked(Control checkBox) {
  const Fl_Check_Button* box = As<Fl_Check_Button>(checkBox);
  return box ? AsBoolean(box->value()) : 0;
}

void MainWindow::SetChecked(Control checkBox, std::int32_t value) {
  if (Fl_Check_Button* box = As<Fl_Check_Button>(checkBox)) box->value(AsBoolean(value));
}

std::int32_t MainWindow::SelectedIndex(Control list) {
  const DropDownList* dropDown = As<DropDownList>(list);
  return dropDown ? dropDown->SelectedIndex() : -1;
}

void MainWindow::SetSelectedIndex(Control list, std::int32_t index) {
  if (DropDownList* dropDown = As<DropDownList>(list)) dropDown->SetSelectedIndex(index);
}

std::int32_t MainWindow::Visible() {
  // A minimised window still counts as visible, as long as it is not hidden.
  return shown() ? 1 : 0;
}

void MainWindow::SetVisible(std::int32_t value) {
  if (AsBoolean(value) == Visible()) return;
  if (AsBoolean(value) == 1) {
    ShowAgain();
    return;
  }
  // Hiding deactivates the window: the focused control loses the focus and
  // is remembered for when the window comes back.
  if (contains(Fl::focus())) Fl::focus(nullptr);
  hide();
}

void MainWindow::SetHeight(std::int32_t outerHeight) {
  outerHeight_ = ClampHeight(outerHeight);
  const Rect client = ClientRectFor({x(), y(), kMainWindow.outerWidth, outerHeight_}, frame_);
  resize(x(), y(), w(), client.h);
}

void MainWindow::SetAlwaysOnTop(std::int32_t value) {
  alwaysOnTop_ = AsBoolean(value) == 1;
  // A hidden window is told when it is shown again.
  if (shown()) KeepAbove(fl_display, fl_xid(this), alwaysOnTop_, false);
}

void MainWindow::SetPeriod(Control timer, std::int32_t period) {
  if (auto& control = timers_[static_cast<int>(timer)]) control->SetPeriod(period);
}

}  // namespace ondrave::fltk
