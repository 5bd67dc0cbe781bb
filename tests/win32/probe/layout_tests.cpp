// The window and its 37 controls as the window table describes them.
#include <algorithm>
#include <string>
#include <vector>

#include "app/win32/control_ids.h"
#include "desktop/win32/wide_text.h"
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;
using ondrave::ControlKind;
using ondrave::ControlRow;
using ondrave::win32::Narrow;
using ondrave::win32::Widen;

// What each kind is on the desktop: class, button type, extended style.
struct KindExpectation {
  ControlKind kind;
  const wchar_t* className;
  LONG buttonType;  // BS_TYPEMASK part of the style, -1 for non-buttons
  bool tabStop;
};
constexpr KindExpectation kKinds[] = {
    {ControlKind::EditBox, L"Edit", -1, true},
    {ControlKind::Label, ondrave::win32::kLabelClass, -1, false},
    {ControlKind::PushButton, L"Button", BS_PUSHBUTTON, true},
    {ControlKind::CheckBox, L"Button", BS_AUTOCHECKBOX, true},
    {ControlKind::DropDownList, L"ComboBox", -1, true},
    {ControlKind::GroupBox, L"Button", BS_GROUPBOX, false},
    {ControlKind::Timer, ondrave::win32::kTimerClass, -1, false},
    {ControlKind::LinkLabel, ondrave::win32::kLinkLabelClass, -1, false},
};

const KindExpectation& ExpectationOf(ControlKind kind) {
  return *std::ranges::find_if(kKinds, [kind](const KindExpectation& k) { return k.kind == kind; });
}

// The height an edit box is raised to: its font's text plus the sunken edge.
int EditBoxMinimumHeight() {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
}

RECT RectIn(HWND hwnd, HWND parent) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Note(std::string& problems, const std::string& problem) {
  problems += problems.empty() ? "" : "; ";
  problems += problem;
}

constexpr long kDropDownListHeight = 160;

// The list that a drop-down list shows while it is open.
HWND OpenedList() {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"ComboLBox", nullptr); w != nullptr;
       w = FindWindowExW(nullptr, w, L"ComboLBox", nullptr))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

void CheckItems(HWND list, const ControlRow& entry, std::string& problems) {
  const auto count = static_cast<std::size_t>(Send(list, CB_GETCOUNT));
  if (count != entry.items.size()) Note(problems, Format("%zu items, not %zu", count, entry.items.size()));
  for (std::size_t i = 0; i < std::min(count, entry.items.size()); ++i) {
    wchar_t item[64] = {};
    Send(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    if (item != Widen(entry.items[i])) Note(problems, Format("item %zu reads \"%s\"", i, Narrow(item).c_str()));
  }
  const auto selected = static_cast<int>(Send(list, CB_GETCURSEL));
  if (selected != entry.selectedIndex) Note(problems, Format("selection %d", selected));
  // A list made 160 high, closed box and opened list together, opens down to
  // there when its items do not all fit, less what rounding the list to
  // whole items takes off.
  const auto itemHeight = static_cast<long>(Send(list, CB_GETITEMHEIGHT, 0));
  if (itemHeight <= 0 || static_cast<long>(count) * itemHeight <= kDropDownListHeight) return;
  Send(list, CB_SHOWDROPDOWN, TRUE);
  RECT box{}, opened{};
  GetWindowRect(list, &box);
  const HWND dropped = OpenedList();
  GetWindowRect(dropped, &opened);
  Send(list, CB_SHOWDROPDOWN, FALSE);
  const long extent = opened.bottom - box.top;
  if (dropped == nullptr || extent > kDropDownListHeight || extent <= kDropDownListHeight - itemHeight)
    Note(problems, Format("opened %ld high", extent));
}

// Every difference between one control and its row, empty when none.
std::string ProblemsOf(const AppUnderTest& app, const ControlRow& entry, int editBoxMinimum) {
  const HWND parent = entry.parent ? app.Control(*entry.parent) : app.Main();
  const HWND hwnd = app.Control(entry.id);
  if (hwnd == nullptr) return "not found under its parent";
  std::string problems;
  const KindExpectation& kind = ExpectationOf(entry.kind);
  if (lstrcmpiW(ClassOf(hwnd).c_str(), kind.className) != 0)
    Note(problems, "class " + Narrow(ClassOf(hwnd)));

  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
  if ((style & (WS_CHILD | WS_CLIPSIBLINGS)) != (WS_CHILD | WS_CLIPSIBLINGS)) Note(problems, "not a clipping child");
  if (((style & WS_TABSTOP) != 0) != kind.tabStop) Note(problems, "tab stop style");
  if (((style & WS_DISABLED) != 0) != entry.disabled) Note(problems, "enabled state");
  if (((style & WS_VISIBLE) != 0) != (entry.kind != ControlKind::Timer)) Note(problems, "visibility");
  if (kind.buttonType >= 0 && (style & BS_TYPEMASK) != kind.buttonType) Note(problems, "button type");

  const RECT r = RectIn(hwnd, parent);
  int height = entry.height;
  if (entry.kind == ControlKind::EditBox) height = std::max(height, editBoxMinimum);
  const bool heightMatters = entry.kind != ControlKind::DropDownList;
  if (r.left != entry.left || r.top != entry.top || r.right - r.left != entry.width ||
      (heightMatters && r.bottom - r.top != height))
    Note(problems, Format("at %ld,%ld size %ldx%ld, not %d,%d size %dx%d", r.left, r.top, r.right - r.left,
                          r.bottom - r.top, entry.left, entry.top, entry.width, height));
  const RECT inMain = RectIn(hwnd, app.Main());
  const ondrave::Point expected = ondrave::ClientPosition(entry.id);
  if (inMain.left != expected.x || inMain.top != expected.y)
    Note(problems, Format("in the window at %ld,%ld", inMain.left, inMain.top));

  if (entry.kind != ControlKind::Timer && Send(hwnd, WM_GETFONT) == 0) Note(problems, "no font");
  if (entry.kind == ControlKind::DropDownList) {
    CheckItems(hwnd, entry, problems);
  } else if (entry.kind != ControlKind::Timer && TextOf(hwnd) != Widen(entry.text)) {
    Note(problems, "text \"" + Narrow(TextOf(hwnd)) + "\"");
  }
  if (entry.kind == ControlKind::EditBox) {
    if ((exStyle & WS_EX_CLIENTEDGE) == 0) Note(problems, "no sunken edge");
    const auto limit = static_cast<long>(Send(hwnd, EM_GETLIMITTEXT));
    if (entry.textLimit > 0 ? limit != entry.textLimit : limit <= 2) Note(problems, Format("text limit %ld", limit));
  }
  return problems;
}

// The children of `parent` from the top of the stacking order down.
std::vector<HWND> StackOf(HWND parent) {
  std::vector<HWND> stack;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    stack.push_back(child);
  return stack;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

void CheckMainWindow(AppUnderTest& app, Checks& checks) {
  const HWND main = app.Main();
  checks.Expect(TextOf(main) == Widen(ondrave::kMainWindow.title), "window title",
                "reads " + Narrow(TextOf(main)));
  RECT outer{};
  GetWindowRect(main, &outer);
  const int width = ondrave::kMainWindow.outerWidth, height = ondrave::kMainWindow.outerHeight;
  checks.Expect(outer.right - outer.left == width && outer.bottom - outer.top == height, "outer size 211x183",
                Format("%ldx%ld", outer.right - outer.left, outer.bottom - outer.top));
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  checks.Expect(outer.left == left && outer.top == top, "centred on the screen",
                Format("at %ld,%ld, not %d,%d", outer.left, outer.top, left, top));
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  constexpr LONG kWanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  checks.Expect((style & kWanted) == kWanted && (style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0,
                "fixed border, minimize box only", Format("style %08lx", style));
  checks.Expect((GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0, "not on top at start");
}

void CheckIcon(const std::wstring& executable, Checks& checks) {
  const HMODULE image = LoadLibraryExW(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  bool found = image != nullptr;
  for (int size : {16, 32, 48}) {
    const HANDLE icon = found ? LoadImageW(image, MAKEINTRESOURCEW(ondrave::win32::kAppIconId), IMAGE_ICON, size,
                                           size, LR_DEFAULTCOLOR)
                              : nullptr;
    found = found && icon != nullptr;
    if (icon != nullptr) DestroyIcon(static_cast<HICON>(icon));
  }
  if (image != nullptr) FreeLibrary(image);
  checks.Expect(found, "the program carries its icon in 16, 32 and 48 pixels");
}

void CheckControls(AppUnderTest& app, Checks& checks) {
  const int editBoxMinimum = EditBoxMinimumHeight();
  for (const ControlRow& entry : ondrave::ControlTable()) {
    const std::string problems = ProblemsOf(app, entry, editBoxMinimum);
    checks.Expect(problems.empty(), "control " + std::string(entry.name) + " as in the table", problems);
  }

  int descendants = 0;
  EnumChildWindows(app.Main(), &CountWindow, reinterpret_cast<LPARAM>(&descendants));
  checks.Expect(descendants == ondrave::kControlCount, "37 child windows in all", Format("%d", descendants));

  // Siblings lie in table order, the first row on top.
  for (const std::optional<Control> parent : {std::optional<Control>{}, std::optional{Control::分组框1},
                                              std::optional{Control::分组框2}}) {
    std::vector<HWND> expected;
    for (const ControlRow& entry : ondrave::ControlTable())
      if (entry.parent == parent) expected.push_back(app.Control(entry.id));
    const std::string name = parent ? std::string(ondrave::RowOf(*parent).name) : "the main window";
    checks.Expect(StackOf(parent ? app.Control(*parent) : app.Main()) == expected,
                  "stacking of the controls in " + name + " follows the table");
  }
}

}  // namespace probe
