#include "desktop/win32/wide_text.h"

#include <windows.h>

#include <climits>

namespace ondrave::win32 {

std::wstring Widen(std::string_view utf8) {
  // The conversion calls count in int; no control text comes near that.
  if (utf8.empty() || utf8.size() > INT_MAX) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  // Without MB_ERR_INVALID_CHARS bad bytes are replaced, so a failure here
  // means the system could not convert at all: the text reads as empty.
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length) != length) return {};
  return wide;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty() || utf16.size() > INT_MAX) return {};
  const int size = static_cast<int>(utf16.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, utf8.data(), length, nullptr, nullptr) != length)
    return {};
  return utf8;
}

}  // namespace ondrave::win32
