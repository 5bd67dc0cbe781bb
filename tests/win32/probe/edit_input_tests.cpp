// What the edit boxes take from the keyboard and from the clipboard.
#include <cstring>
#include <string>

#include "desktop/win32/wide_text.h"
#include "probe/tests.h"

namespace probe {
namespace {

using ondrave::Control;
using ondrave::win32::Narrow;

struct TypingCase {
  Control box;
  UINT message;  // WM_CHAR from the keyboard, WM_IME_CHAR from an input method
  const wchar_t* typed;
  const wchar_t* expected;
};

// Digits and "-" are taken, other characters dropped; control characters
// (Backspace) pass; 编辑框2 and 编辑框6 take two characters at most.
constexpr TypingCase kTypingCases[] = {
    {Control::编辑框4, WM_CHAR, L"1a2-b3 ", L"12-3"},
    {Control::编辑框5, WM_CHAR, L"\uFF15.9", L"9"},  // a full-width digit is not a digit here
    {Control::编辑框4, WM_CHAR, L"12\b", L"1"},
    {Control::编辑框6, WM_CHAR, L"a7x-9", L"7-"},
    {Control::编辑框2, WM_CHAR, L"123", L"12"},
    {Control::编辑框4, WM_IME_CHAR, L"\u4E2D5\uFF16", L"5"},
};

bool PutOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool placed = false;
  if (memory != nullptr) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!placed) GlobalFree(memory);
  }
  CloseClipboard();
  return placed;
}

void Clear(HWND box) { Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")); }

}  // namespace

void CheckEditBoxInput(AppUnderTest& app, Checks& checks) {
  for (const TypingCase& c : kTypingCases) {
    const HWND box = app.Control(c.box);
    Clear(box);
    for (const wchar_t* typed = c.typed; *typed != L'\0'; ++typed) Send(box, c.message, *typed, 1);
    const std::wstring shown = TextOf(box);
    checks.Expect(shown == c.expected,
                  "typing \"" + Narrow(c.typed) + "\" into " + std::string(ondrave::RowOf(c.box).name),
                  "shows \"" + Narrow(shown) + "\"");
  }

  // Pasted text is not filtered.
  const HWND box = app.Control(Control::编辑框4);
  Clear(box);
  if (checks.Expect(PutOnClipboard(L"x-y"), "the probe fills the clipboard")) {
    Send(box, WM_PASTE);
    checks.Expect(TextOf(box) == L"x-y", "pasting \"x-y\" into 编辑框4", "shows \"" + Narrow(TextOf(box)) + "\"");
  }

  for (Control c : {Control::编辑框2, Control::编辑框4, Control::编辑框5}) Clear(app.Control(c));
  Send(app.Control(Control::编辑框6), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"00"));
}

}  // namespace probe
