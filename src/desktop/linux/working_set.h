// Giving unused heap memory back to the system.
#pragma once

#include <cstddef>

namespace ondrave::linux_desktop {

// Returns freed heap to the system. The C library's entry for it is looked
// up at the first call; when it cannot be found the process ends by FatalError.
void TrimWorkingSet();

// The C library's entry that hands freed heap back (glibc's malloc_trim).
using HeapTrimEntry = int (*)(std::size_t pad);

// Looks the entry up by name among the loaded libraries; ends the process
// by FatalError when no library has it.
HeapTrimEntry LookUpHeapTrimEntry(const char* name);

}  // namespace ondrave::linux_desktop
