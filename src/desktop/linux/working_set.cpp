#include "desktop/linux/working_set.h"

#include <dlfcn.h>

#include <string>

#include "desktop/fatal_error.h"

namespace ondrave::linux_desktop {

HeapTrimEntry LookUpHeapTrimEntry(const char* name) {
  // Looked up rather than called directly, so that a C library without it
  // is reported to the user instead of keeping the program from starting.
  void* entry = dlsym(RTLD_DEFAULT, name);
  if (entry == nullptr) {
    FatalError(std::string("找不到系统函数 ") + name + "，无法释放内存。\n" +
               "The C library has no " + name + ", so unused memory cannot be given back.");
  }
  return reinterpret_cast<HeapTrimEntry>(entry);
}

void TrimWorkingSet() {
  static const HeapTrimEntry trim = LookUpHeapTrimEntry("malloc_trim");
  // Whether anything could be released does not matter to the caller.
  trim(0);
}

}  // namespace ondrave::linux_desktop
