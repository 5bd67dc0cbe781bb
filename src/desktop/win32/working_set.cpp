#include "desktop/win32/working_set.h"

#include "desktop/fatal_error.h"

namespace ondrave::win32 {
namespace {
constexpr char kEntryName[] = "SetProcessWorkingSetSize";
constexpr std::string_view kEntryMissing = "无法在 kernel32.dll 中找到 SetProcessWorkingSetSize，程序无法继续运行。";
// (SIZE_T)-1 for both sizes asks for as many pages to go as possible.
constexpr SIZE_T kAsSmallAsPossible = static_cast<SIZE_T>(-1);
}  // namespace

WorkingSet::~WorkingSet() {
  if (library_ != nullptr) FreeLibrary(library_);
}

void WorkingSet::Trim() {
  if (entry_ == nullptr) {
    library_ = LoadLibraryW(L"kernel32.dll");
    if (library_ != nullptr)
      entry_ = reinterpret_cast<SetWorkingSetSize>(
          reinterpret_cast<void*>(GetProcAddress(library_, kEntryName)));
    if (entry_ == nullptr) {
      if (library_ != nullptr) FreeLibrary(library_);
      library_ = nullptr;
      FatalError(kEntryMissing);
    }
  }
  // A refused trim changes nothing the user could see.
  entry_(GetCurrentProcess(), kAsSmallAsPossible, kAsSmallAsPossible);
}

}  // namespace ondrave::win32
