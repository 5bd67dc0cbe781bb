#include "app/win32/control_creation.h"

#include <algorithm>
#include <string_view>

#include "app/win32/control_ids.h"
#include "app/win32/control_subclass.h"
#include "app/win32/failure_texts.h"
#include "app/win32/timer_window.h"
#include "desktop/fatal_error.h"
#include "desktop/win32/wide_text.h"

namespace ondrave::win32 {
namespace {

// A drop-down list is made this high: the closed box and its opened list.
constexpr int kDropDownListHeight = 160;

struct KindRealisation {
  ControlKind kind;
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

constexpr KindRealisation kRealisations[] = {
    {ControlKind::EditBox, L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ControlKind::Label, kLabelClass, 0, 0},
    {ControlKind::PushButton, L"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0},
    {ControlKind::CheckBox, L"BUTTON", BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0},
    {ControlKind::DropDownList, L"COMBOBOX", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0},
    {ControlKind::GroupBox, L"BUTTON", BS_GROUPBOX | BS_LEFT, 0},
    {ControlKind::Timer, kTimerClass, 0, 0},
    {ControlKind::LinkLabel, kLinkLabelClass, 0, 0},
};

const KindRealisation& RealisationOf(ControlKind kind) {
  return *std::find_if(std::begin(kRealisations), std::end(kRealisations),
                       [kind](const KindRealisation& r) { return r.kind == kind; });
}

[[noreturn]] void ControlNotCreated() { FatalError(text::kControlNotCreated); }

// An edit box lower than its font's text plus its sunken border is raised
// to that height, so that its text is never cut.
int EditBoxMinimumHeight(HWND main, HFONT font) {
  const HDC dc = GetDC(main);
  if (dc == nullptr) return 0;
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  const bool measured = GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(main, dc);
  // Unmeasured, the boxes keep the heights of the table.
  return measured ? metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE) : 0;
}

int CreationHeight(const ControlRow& entry, int editBoxMinimum) {
  if (entry.kind == ControlKind::DropDownList) return kDropDownListHeight;
  if (entry.kind == ControlKind::EditBox) return std::max(entry.height, editBoxMinimum);
  return entry.height;
}

bool FillList(HWND list, const ControlRow& entry) {
  for (std::string_view item : entry.items) {
    const LRESULT added = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    if (added == CB_ERR || added == CB_ERRSPACE) return false;
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(entry.selectedIndex), 0);
  return true;
}

// What a control needs after CreateWindowExW, by kind.
bool SetUp(ControlRecord& record, const ControlRow& entry) {
  switch (entry.kind) {
    case ControlKind::EditBox:
      SendMessageW(record.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(entry.textLimit), 0);
      SendMessageW(record.hwnd, EM_SETSEL, 0, 0);  // the caret at the start of the text
      break;
    case ControlKind::DropDownList:
      if (!FillList(record.hwnd, entry)) return false;
      break;
    case ControlKind::Timer:
      StartTimerAtCreation(record, entry.period);
      break;
    default:
      break;
  }
  return !NeedsSubclass(entry.kind) || Subclass(record, entry.kind);
}

void CreateControl(const ControlRow& entry, HWND main, HINSTANCE instance, HFONT font, int editBoxMinimum,
                   ControlRecord& record, EventSink& sink) {
  record.id = entry.id;
  record.sink = &sink;
  record.caption = std::string(entry.text);
  const KindRealisation& kind = RealisationOf(entry.kind);
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style | (entry.disabled ? WS_DISABLED : 0);
  // The program's own classes take the record from the creation parameter.
  record.hwnd = CreateWindowExW(kind.exStyle, kind.className, Widen(entry.text).c_str(), style, entry.left, entry.top,
                                entry.width, CreationHeight(entry, editBoxMinimum), main,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(entry.id))), instance, &record);
  if (record.hwnd == nullptr) ControlNotCreated();
  SendMessageW(record.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (!SetUp(record, entry)) ControlNotCreated();
}

// The nearest earlier row with the same parent, which the control lies under.
const ControlRow* SiblingAbove(std::span<const ControlRow> table, std::size_t row) {
  for (std::size_t above = row; above-- > 0;)
    if (table[above].parent == table[row].parent) return &table[above];
  return nullptr;
}

}  // namespace

void CreateControls(HWND main, HINSTANCE instance, HFONT font, ControlRecords& records, EventSink& sink) {
  const std::span<const ControlRow> table = ControlTable();
  const int editBoxMinimum = EditBoxMinimumHeight(main, font);
  auto recordOf = [&records](Control c) -> ControlRecord& { return records[static_cast<std::size_t>(c)]; };

  for (auto row = table.rbegin(); row != table.rend(); ++row)
    CreateControl(*row, main, instance, font, editBoxMinimum, recordOf(row->id), sink);

  for (const ControlRow& entry : table) {
    if (!entry.parent) continue;
    const HWND control = recordOf(entry.id).hwnd;
    if (SetParent(control, recordOf(*entry.parent).hwnd) == nullptr) ControlNotCreated();
    SetWindowPos(control, nullptr, entry.left, entry.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  for (std::size_t row = 0; row < table.size(); ++row) {
    const ControlRow* above = SiblingAbove(table, row);
    const HWND insertAfter = above != nullptr ? recordOf(above->id).hwnd : HWND_TOP;
    SetWindowPos(recordOf(table[row].id).hwnd, insertAfter, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  }

  for (const ControlRow& entry : table)
    ShowWindow(recordOf(entry.id).hwnd, entry.kind == ControlKind::Timer ? SW_HIDE : SW_SHOWNA);
}

}  // namespace ondrave::win32
