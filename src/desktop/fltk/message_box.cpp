#include "desktop/fltk/message_box.h"

// The control table's headers come before any X header (X.h defines None).
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "desktop/fltk/chinese_font.h"
#include "desktop/fltk/primary_monitor.h"
#include "desktop/fltk/stop_icon.h"
#include "desktop/fltk/text_lines.h"
#include "desktop/fltk/window_manager.h"

namespace ondrave::fltk {
namespace {

constexpr std::uint32_t kStyleTopmost = 0x1000;

constexpr int kPadding = 14;
constexpr int kIconGap = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;
constexpr int kPanelPadding = 10;
constexpr int kMinTextAreaWidth = 120;
constexpr int kMaxTextWidth = 560;

struct ButtonDescription {
  const char* caption;
  MessageResult result;
};
constexpr std::array<ButtonDescription, 1> kOkButtons{{{"确定", kResultOk}}};
constexpr std::array<ButtonDescription, 2> kYesNoButtons{{{"是", kResultYes}, {"否", kResultNo}}};

// The text, left-aligned, one line under the other, as it was laid out.
class MessageText : public Fl_Widget {
 public:
  MessageText(int x, int y, int w, int h, std::vector<std::string> lines)
      : Fl_Widget(x, y, w, h), lines_(std::move(lines)) {}

 protected:
  void draw() override {
    fl_font(FL_HELVETICA, kTextSize);
    fl_color(FL_BLACK);
    int baseline = y() + fl_height() - fl_descent();
    for (const std::string& line : lines_) {
      fl_draw(line.c_str(), static_cast<int>(line.size()), x(), baseline);
      baseline += fl_height();
    }
  }

 private:
  std::vector<std::string> lines_;
};

class MessageBoxWindow : public Fl_Double_Window {
 public:
  MessageBoxWindow(std::string_view text, std::uint32_t style);

  MessageResult result() const { return result_; }
  bool yesNo() const { return buttons_.size() == 2; }
  // Ends the wait with `result` as the answer.
  void Answer(MessageResult result) {
    result_ = result;
    hide();
  }
  void FocusFirstButton() { buttons_.front()->take_focus(); }

 protected:
  int handle(int event) override;

 private:
  static void OnButton(Fl_Widget* button, void* box);
  static void OnCloseRequest(Fl_Widget* window, void*);

  MessageResult result_ = kResultOk;
  std::vector<Fl_Button*> buttons_;
};

int TextWidth(std::string_view text) {
  return static_cast<int>(std::ceil(fl_width(text.data(), static_cast<int>(text.size()))));
}

MessageBoxWindow::MessageBoxWindow(std::string_view text, std::uint32_t style)
    : Fl_Double_Window(0, 0) {
  copy_label(std::string(kMessageCaption).c_str());
  const bool stopSign = (style & kStyleIconMask) == kStyleStopIcon;
  const bool yesNo = (style & kStyleButtonsMask) == kStyleYesNoButtons;
  const auto buttonDescriptions = yesNo ? std::vector<ButtonDescription>(kYesNoButtons.begin(), kYesNoButtons.end())
                                 : std::vector<ButtonDescription>(kOkButtons.begin(), kOkButtons.end());
  const Rect monitor = PrimaryMonitorArea(fl_display);

  // Lay the text out at most kMaxTextWidth wide (less on a small monitor).
  fl_font(FL_HELVETICA, kTextSize);
  const int maxTextWidth = std::max(kMinTextAreaWidth, std::min(kMaxTextWidth, monitor.w / 2));
  std::vector<std::string> lines = LayOutLines(text, maxTextWidth, [](std::string_view piece) {
    return fl_width(piece.data(), static_cast<int>(piece.size()));
  });
  int textWidth = 0;
  for (const std::string& line : lines) textWidth = std::max(textWidth, TextWidth(line));
  const int textHeight = static_cast<int>(lines.size()) * fl_height();

  const int iconSpace = stopSign ? StopIcon::kSize + kIconGap : 0;
  const int contentHeight = std::max(textHeight, stopSign ? StopIcon::kSize : 0);
  const int buttonsWidth =
      static_cast<int>(buttonDescriptions.size()) * kButtonWidth + (static_cast<int>(buttonDescriptions.size()) - 1) * kButtonGap;
  const int width = std::max({2 * kPadding + iconSpace + textWidth, 2 * kPadding + buttonsWidth,
                              2 * kPadding + kMinTextAreaWidth});
  const int upperHeight = 2 * kPadding + contentHeight;
  const int height = upperHeight + kButtonHeight + 2 * kPanelPadding;

  // The text on white above, the buttons on the window's face below.
  auto* upper = new Fl_Box(FL_FLAT_BOX, 0, 0, width, upperHeight, nullptr);
  upper->color(FL_WHITE);
  if (stopSign) new StopIcon(kPadding, kPadding + (contentHeight - StopIcon::kSize) / 2);
  new MessageText(kPadding + iconSpace, kPadding + (contentHeight - textHeight) / 2, textWidth, textHeight,
                  std::move(lines));
  int buttonX = width - kPadding - buttonsWidth;
  for (const ButtonDescription& entry : buttonDescriptions) {
    auto* button = new Fl_Button(buttonX, upperHeight + kPanelPadding, kButtonWidth, kButtonHeight);
    button->copy_label(entry.caption);
    button->callback(OnButton);
    button->argument(entry.result);
    buttons_.push_back(button);
    buttonX += kButtonWidth + kButtonGap;
  }
  end();

  const Rect place = CentredOn(monitor, width, height);
  resize(place.x, place.y, place.w, place.h);
  resizable(nullptr);
  callback(OnCloseRequest);
}

int MessageBoxWindow::handle(int event) {
  // Enter presses the button that has the focus, as Space does.
  if (event == FL_KEYBOARD && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
    for (Fl_Button* button : buttons_) {
      if (Fl::focus() == button) {
        button->do_callback();
        return 1;
      }
    }
  }
  return Fl_Double_Window::handle(event);
}

void MessageBoxWindow::OnButton(Fl_Widget* button, void*) {
  auto* box = static_cast<MessageBoxWindow*>(button->window());
  box->Answer(static_cast<MessageResult>(button->argument()));
}

void MessageBoxWindow::OnCloseRequest(Fl_Widget* window, void*) {
  // Esc and the close box answer OK. A Yes/No box has no such answer: it
  // stays until Yes or No is pressed.
  auto* box = static_cast<MessageBoxWindow*>(window);
  if (!box->yesNo()) box->Answer(kResultOk);
}

std::vector<MessageBoxWindow*>& OpenBoxes() {
  static std::vector<MessageBoxWindow*> boxes;
  return boxes;
}

}  // namespace

MessageResult ShowMessageBox(std::string_view text, std::uint32_t style) {
  auto* box = new MessageBoxWindow(text, style);
  const Window focusedBefore = FocusedWindow(fl_display);
  OpenBoxes().push_back(box);
  box->show();
  if (style & kStyleTopmost) KeepAbove(fl_display, fl_xid(box), true, true);
  box->FocusFirstButton();
  FocusWhenUnmanaged(*box);
  // The wait: every event of the program goes on being handled in here,
  // which is how handlers come to run nested inside the one that waits.
  while (box->shown()) Fl::wait(1e20);
  const MessageResult result = box->result();
  std::erase(OpenBoxes(), box);
  Fl::delete_widget(box);
  FocusBackWhenUnmanaged(fl_display, focusedBefore);
  return result;
}

int OpenMessageBoxes() { return static_cast<int>(OpenBoxes().size()); }

void CloseMessageBoxes() {
  for (MessageBoxWindow* box : OpenBoxes()) box->Answer(kResultOk);
}

}  // namespace ondrave::fltk
