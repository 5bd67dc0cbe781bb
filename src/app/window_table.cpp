#include "app/window_table.h"

#include <array>
#include <cstdlib>

namespace ondrave {
namespace {

using C = Control;
using K = ControlKind;
using E = Event;

constexpr std::array<std::string_view, 4> kClickKindItems{"左键单击", "左键双击", "右键单击", "右键双击"};

constexpr std::array<std::string_view, 40> kStartStopKeyItems{
    "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",   "J",   "K",   "L",    "M",   "N",
    "O",  "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",   "Y",   "Z",    "F1",  "F2",
    "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Home", "End"};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr std::optional<Control> kMain{};
constexpr std::span<const std::string_view> kNoItems{};

// Columns: id, name, kind, parent, left, top, width, height, start text, items,
// selection, disabled, text limit, colour, word wrap, gradient, period, event.
constexpr std::array<ControlRow, kControlCount> kTable{{
    {C::选择框2, "选择框2", K::CheckBox, kMain, 8, 96, 128, 24, "定时定位点击区显示", kNoItems, -1, false, 0, {}, false, false, 0, E::Clicked},
    {C::标签14, "标签14", K::Label, kMain, 136, 120, 56, 16, "Ondrave", kNoItems, -1, false, 0, Rgb{0, 96, 192}, false, true, 0, E::None},
    {C::超级链接框1, "超级链接框1", K::LinkLabel, kMain, 41, 139, 114, 16, "点我与作者临时会话", kNoItems, -1, false, 0, {}, false, false, 0, E::None},
    {C::标签13, "标签13", K::Label, kMain, 8, 120, 86, 16, "Lumisk【QZV】", kNoItems, -1, false, 0, Rgb{0, 96, 192}, false, true, 0, E::None},
    {C::按钮2, "按钮2", K::PushButton, kMain, 168, 24, 32, 72, "查看热键", kNoItems, -1, false, 0, {}, false, false, 0, E::Clicked},
    {C::按钮1, "按钮1", K::PushButton, kMain, 96, 254, 96, 20, "更新设定时间", kNoItems, -1, false, 0, {}, false, false, 0, E::Clicked},
    {C::时钟5, "时钟5", K::Timer, kMain, 0, 0, 0, 0, "", kNoItems, -1, false, 0, {}, false, false, 1000, E::Tick},
    {C::时钟4, "时钟4", K::Timer, kMain, 0, 0, 0, 0, "", kNoItems, -1, false, 0, {}, false, false, 0, E::Tick},
    {C::编辑框6, "编辑框6", K::EditBox, kMain, 136, 235, 40, 16, "00", kNoItems, -1, false, 2, {}, false, false, 0, E::None},
    {C::标签6, "标签6", K::Label, kMain, 179, 231, 12, 16, "秒", kNoItems, -1, false, 0, kBlack, false, false, 0, E::None},
    {C::时钟3, "时钟3", K::Timer, kMain, 0, 0, 0, 0, "", kNoItems, -1, false, 0, {}, false, false, 0, E::Tick},
    {C::标签5, "标签5", K::Label, kMain, 14, 74, 47, 15, "点击间隔", kNoItems, -1, false, 0, Rgb{0, 128, 0}, false, false, 0, E::None},
    {C::选择框1, "选择框1", K::CheckBox, kMain, 163, 2, 47, 16, "置顶", kNoItems, -1, false, 0, {}, false, false, 0, E::Clicked},
    {C::组合框2, "组合框2", K::DropDownList, C::分组框2, 69, 15, 64, 20, "", kStartStopKeyItems, -1, false, 0, {}, false, false, 0, E::ItemSelected},
    {C::标签12, "标签12", K::Label, C::分组框1, 134, 35, 47, 15, "已关闭", kNoItems, -1, false, 0, Rgb{255, 128, 0}, false, false, 0, E::None},
    {C::时钟2, "时钟2", K::Timer, kMain, 0, 0, 0, 0, "", kNoItems, -1, false, 0, {}, false, false, 0, E::Tick},
    {C::编辑框4, "编辑框4", K::EditBox, kMain, 59, 184, 64, 16, "", kNoItems, -1, false, 0, {}, false, false, 0, E::None},
    {C::标签11, "标签11", K::Label, kMain, 9, 276, 191, 16, "自动点击时间为：", kNoItems, -1, false, 0, kBlack, false, false, 0, E::None},
    {C::标签10, "标签10", K::Label, C::分组框1, 5, 139, 191, 16, "", kNoItems, -1, false, 0, kRed, false, false, 0, E::None},
    {C::按钮8, "按钮8", K::PushButton, kMain, 131, 174, 52, 18, "用法", kNoItems, -1, false, 0, {}, false, false, 0, E::Clicked},
    {C::按钮7, "按钮7", K::PushButton, kMain, 131, 212, 52, 18, "锁定", kNoItems, -1, false, 0, {}, false, false, 0, E::Clicked},
    {C::编辑框5, "编辑框5", K::EditBox, kMain, 59, 208, 64, 16, "", kNoItems, -1, false, 0, {}, false, false, 0, E::None},
    {C::标签9, "标签9", K::Label, kMain, 19, 208, 33, 16, "Y坐标:", kNoItems, -1, false, 0, kRed, false, false, 0, E::None},
    {C::标签8, "标签8", K::Label, kMain, 19, 184, 35, 16, "X坐标:", kNoItems, -1, false, 0, kRed, false, false, 0, E::None},
    {C::按钮6, "按钮6", K::PushButton, C::分组框1, 3, 96, 81, 20, "确定", kNoItems, -1, false, 0, {}, false, false, 0, E::Clicked},
    {C::标签7, "标签7", K::Label, kMain, 120, 235, 12, 16, "分", kNoItems, -1, false, 0, kBlack, false, false, 0, E::None},
    {C::编辑框3, "编辑框3", K::EditBox, kMain, 77, 236, 40, 16, "", kNoItems, -1, false, 2, {}, false, false, 0, E::LostFocus},
    {C::标签2, "标签2", K::Label, C::分组框1, 50, 76, 12, 16, "时", kNoItems, -1, false, 0, kBlack, false, false, 0, E::None},
    {C::编辑框2, "编辑框2", K::EditBox, C::分组框1, 5, 78, 40, 16, "", kNoItems, -1, false, 2, {}, false, false, 0, E::None},
    {C::分组框1, "分组框1", K::GroupBox, kMain, 4, 159, 198, 161, "定时定位点击区", kNoItems, -1, false, 0, Rgb{0, 96, 192}, false, false, 0, E::None},
    {C::标签1, "标签1", K::Label, kMain, 13, 21, 53, 16, "开始/结束", kNoItems, -1, false, 0, Rgb{0, 0, 255}, false, false, 0, E::Feedback},
    {C::标签4, "标签4", K::Label, kMain, 14, 49, 47, 15, "点击类型", kNoItems, -1, false, 0, Rgb{0, 224, 128}, false, false, 0, E::None},
    {C::组合框1, "组合框1", K::DropDownList, kMain, 74, 45, 88, 20, "", kClickKindItems, 0, true, 0, {}, false, false, 0, E::None},
    {C::时钟1, "时钟1", K::Timer, kMain, 0, 0, 0, 0, "", kNoItems, -1, false, 0, {}, false, false, 0, E::Tick},
    {C::标签3, "标签3", K::Label, kMain, 133, 73, 25, 12, "毫秒", kNoItems, -1, false, 0, Rgb{144, 0, 255}, true, false, 0, E::None},
    {C::编辑框1, "编辑框1", K::EditBox, kMain, 75, 71, 53, 20, "10", kNoItems, -1, true, 0, {}, false, false, 0, E::None},
    {C::分组框2, "分组框2", K::GroupBox, kMain, 5, 4, 159, 92, "现时点击区", kNoItems, -1, false, 0, Rgb{128, 128, 0}, false, false, 0, E::None},
}};

constexpr bool RowsInEnumOrder() {
  for (int i = 0; i < kControlCount; ++i)
    if (static_cast<int>(kTable[i].id) != i) return false;
  return true;
}
static_assert(RowsInEnumOrder(), "the table rows must follow the Control enumeration");

}  // namespace

std::span<const ControlRow> ControlTable() { return kTable; }

const ControlRow& RowOf(Control c) { return kTable[static_cast<int>(c)]; }

Point ClientPosition(Control c) {
  const ControlRow& s = RowOf(c);
  if (!s.parent) return {s.left, s.top};
  const Point origin = ClientPosition(*s.parent);
  return {origin.x + s.left, origin.y + s.top};
}

Rgb GradientColumn(int x, int width) {
  static constexpr std::array<Rgb, 3> kStops{Rgb{255, 0, 0}, Rgb{255, 255, 0}, Rgb{0, 255, 0}};
  const int s = width / 2;
  // A label narrower than two pixels has no segment to blend over.
  if (s <= 0 || x >= 2 * s) return kStops[2];
  if (x < 0) x = 0;
  const Rgb from = kStops[x / s], to = kStops[x / s + 1];
  const int m = x % s;
  // Each channel is from + (to - from) * m / s, cut towards zero; the value is
  // never negative, so integer division of the whole does exactly that.
  auto blend = [&](int a, int b) { return static_cast<std::uint8_t>((a * s + (b - a) * m) / s); };
  return {blend(from.r, to.r), blend(from.g, to.g), blend(from.b, to.b)};
}

}  // namespace ondrave
