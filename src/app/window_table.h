// The main window described as data: its attributes and the table of its 37
// controls. Every realisation of the window (the headless one used by the
// tests, FLTK on Linux, Win32 on Windows) is built from this one table.
//
// Texts here are UTF-8, the encoding of every control text in this program.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ondrave {

// The controls, in the order of the window's control table. That order fixes
// the stacking of siblings (first row on top) and, reversed, the keyboard order.
enum class Control : int {
  选择框2, 标签14, 超级链接框1, 标签13, 按钮2, 按钮1, 时钟5, 时钟4, 编辑框6, 标签6,
  时钟3, 标签5, 选择框1, 组合框2, 标签12, 时钟2, 编辑框4, 标签11, 标签10, 按钮8,
  按钮7, 编辑框5, 标签9, 标签8, 按钮6, 标签7, 编辑框3, 标签2, 编辑框2, 分组框1,
  标签1, 标签4, 组合框1, 时钟1, 标签3, 编辑框1, 分组框2,
};
inline constexpr int kControlCount = 37;

enum class ControlKind { EditBox, Label, PushButton, CheckBox, DropDownList, GroupBox, Timer, LinkLabel };

// Events a control (or the main window, for Created) can raise.
enum class Event { None, Created, Clicked, ItemSelected, LostFocus, Feedback, Tick };

struct Rgb {
  std::uint8_t r, g, b;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct ControlRow {
  Control id;
  std::string_view name;             // as the logic names it, UTF-8
  ControlKind kind;
  std::optional<Control> parent;     // a group box, or none for the main window
  int left, top, width, height;      // relative to the parent's client area
  std::string_view text;             // starting text or caption
  std::span<const std::string_view> items;  // drop-down lists only
  int selectedIndex;                 // drop-down lists: -1 for none
  bool disabled;
  int textLimit;                     // edit boxes: 0 for the desktop's largest
  std::optional<Rgb> colour;         // label text colour, group box caption colour
  bool wordWrap;                     // labels
  bool gradient;                     // labels with the red-yellow-green background
  int period;                        // timers: milliseconds at creation
  Event boundEvent;                  // the one event with a handler, or None
};

// The main window's own attributes.
struct MainWindowAttributes {
  std::string_view title;
  int outerWidth, outerHeight;       // title bar and border included
  int tallHeight;                    // outer height with the lower part shown
  int maxHeight;                     // a larger `height` written counts as this
  std::string_view windowClass;      // X11 WM_CLASS / Win32 class name
};

inline constexpr MainWindowAttributes kMainWindow{
    "Ondrave鼠标连点器", 211, 183, 347, 32627, "ondrave-clicker"};

std::span<const ControlRow> ControlTable();
const ControlRow& RowOf(Control c);

// Kinds that take part in the keyboard order (tab stops).
constexpr bool IsTabStop(ControlKind k) {
  return k == ControlKind::EditBox || k == ControlKind::PushButton || k == ControlKind::CheckBox ||
         k == ControlKind::DropDownList;
}

// Position of a control in the main window's client area: children of a
// group box lie at the group box's offset plus their own row.
struct Point { int x, y; };
Point ClientPosition(Control c);

// The link label's target, an XMPP address, which the desktop hands to the
// user's instant messenger to open a chat with the author; and its colours.
struct LinkAttributes {
  std::string_view target;
  Rgb normal, hovered, visited;
};
inline constexpr LinkAttributes kLink{
    "xmpp:author@ondrave.invalid?message", {0, 0, 255}, {51, 153, 255}, {128, 0, 0}};

// The gradient behind 标签13 and 标签14: red, yellow, green from left to right.
Rgb GradientColumn(int x, int width);

}  // namespace ondrave
