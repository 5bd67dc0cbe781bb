#include "desktop/win32/message_box.h"

#include <windows.h>

#include <array>

#include "desktop/win32/wide_text.h"

namespace ondrave::win32 {
namespace {

// The MessageBox result of each button and the MessageResult it stands for.
struct ResultRow {
  int button;
  MessageResult result;
};
constexpr std::array<ResultRow, 7> kResults{{
    {IDOK, 0}, {IDCANCEL, 1}, {IDABORT, 2}, {IDRETRY, 3}, {IDIGNORE, 4}, {IDYES, 5}, {IDNO, 6},
}};

MessageResult ResultOf(int button) {
  for (const ResultRow& row : kResults)
    if (row.button == button) return row.result;
  // A failed box (0) and any other result count as OK.
  return kResultOk;
}

}  // namespace

MessageResult ShowMessage(std::string_view text, std::uint32_t style) {
  const std::wstring wideText = Widen(text);
  const std::wstring caption = Widen(kMessageCaption);
  return ResultOf(MessageBoxW(nullptr, wideText.c_str(), caption.c_str(), style));
}

}  // namespace ondrave::win32
