#include "app/win32/open_link.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string_view>

namespace ondrave::win32 {
namespace {

// A file class name is a key name: at most MAX_PATH characters.
constexpr DWORD kClassNameLimit = MAX_PATH;
// The longest command line CreateProcess takes.
constexpr DWORD kCommandLineLimit = 32767;

// The default value of HKEY_CLASSES_ROOT\<subkey>, at most `limit` characters,
// or nothing when the key or its value cannot be read.
std::optional<std::wstring> DefaultValue(const std::wstring& subkey, DWORD limit) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
  std::wstring value(limit + 1, L'\0');
  DWORD type = 0;
  DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  const LSTATUS status =
      RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  // The stored string need not end in a zero; it ends at the first one or
  // at the size the registry reported, whichever comes first.
  value.resize(bytes / sizeof(wchar_t));
  value.resize(std::wstring_view(value.c_str()).size());
  return value;
}

// The browser's command line cut before its placeholder for the document,
// with the target in its place.
std::wstring CommandLineFor(std::wstring command, const std::wstring& target) {
  std::size_t placeholder = command.find(L"\"%1\"");
  if (placeholder == std::wstring::npos) placeholder = command.find(L"%1");
  if (placeholder != std::wstring::npos) command.resize(placeholder);
  return command + L" " + target;
}

// Starts a command line as WinExec does, through the wide CreateProcess.
bool Run(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool OpenLink(const std::wstring& target) {
  if (target.empty()) return false;
  // The shell may pass the target to a handler that needs COM on this
  // thread. Most work without it, so a refusal only goes unbalanced.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const auto shellResult = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOW));
  if (SUCCEEDED(com)) CoUninitialize();
  if (shellResult > 32) return true;

  const std::optional<std::wstring> htmlClass = DefaultValue(L".htm", kClassNameLimit);
  if (!htmlClass) return false;
  const std::optional<std::wstring> command =
      DefaultValue(*htmlClass + L"\\shell\\open\\command", kCommandLineLimit);
  if (!command) return false;
  return Run(CommandLineFor(*command, target));
}

}  // namespace ondrave::win32
