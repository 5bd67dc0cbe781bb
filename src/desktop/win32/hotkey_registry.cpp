#include "desktop/win32/hotkey_registry.h"

#include <array>
#include <utility>

namespace ondrave::win32 {
namespace {

// One record per process: the hook is a plain window procedure and finds its
// state here.
struct HotkeyRegistry {
  HWND sinkLabel = nullptr;
  std::int32_t attemptCount = 0;
  std::int32_t lastIssuedId = 0;
  WNDPROC savedWindowProc = nullptr;  // none until a window is hooked
};
HotkeyRegistry registry;

constexpr std::uint32_t kFirstId = static_cast<std::uint32_t>(kFirstHotkeyId);

// Modifier words 0 to 6 and the RegisterHotKey flags they stand for.
constexpr std::array<UINT, 7> kModifierFlags{
    0,
    MOD_CONTROL,
    MOD_SHIFT,
    MOD_CONTROL | MOD_SHIFT,
    MOD_ALT,
    MOD_CONTROL | MOD_ALT,
    MOD_SHIFT | MOD_ALT,
};

LRESULT CALLBACK HotkeyHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    // The system's own hotkeys have negative identifiers: as unsigned numbers
    // they lie above every identifier issued here.
    const auto id = static_cast<std::uint32_t>(wParam);
    if (id >= kFirstId && id <= static_cast<std::uint32_t>(registry.lastIssuedId)) {
      // Same thread, so this is a direct call: the press is handled to its
      // end before the window goes on.
      SendMessageW(registry.sinkLabel, kFeedbackMessage, wParam, 0);
    }
  }
  return CallWindowProcW(registry.savedWindowProc, window, message, wParam, lParam);
}

}  // namespace

UINT HotkeyModifiers(std::int32_t modifierWord) {
  if (modifierWord >= 0 && std::cmp_less(modifierWord, kModifierFlags.size())) return kModifierFlags[modifierWord];
  return static_cast<UINT>(modifierWord);
}

HotkeyId RegisterGlobalHotkey(HWND window, HWND sinkLabel, std::int32_t modifierWord, std::int32_t virtualKey) {
  registry.sinkLabel = sinkLabel;
  const UINT modifiers = HotkeyModifiers(modifierWord);
  if (registry.savedWindowProc == nullptr) {
    // The hook goes in before the first RegisterHotKey, so it is in place
    // even when that key is refused. If the system refuses the hook itself,
    // nothing is stored and the next registration tries again.
    registry.savedWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyHook)));
  }
  ++registry.attemptCount;
  registry.lastIssuedId = kFirstHotkeyId - 1 + registry.attemptCount;
  if (!RegisterHotKey(window, registry.lastIssuedId, modifiers, static_cast<UINT>(virtualKey))) return 0;
  return registry.lastIssuedId;
}

}  // namespace ondrave::win32
