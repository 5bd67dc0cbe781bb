// Giving unused heap memory back to the system.
#pragma once

namespace ondrave::linux_desktop {

// Returns freed heap to the system. The C library's entry for it is looked
// up at the first call; when it cannot be found the process ends by FatalError.
void TrimWorkingSet();

}  // namespace ondrave::linux_desktop
