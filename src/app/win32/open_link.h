// Opening the link label's target.
#pragma once

#include <string>

namespace ondrave::win32 {

// Opens `target` with the system shell; when the shell cannot, runs the
// browser registered for .htm files with it. True when the last attempt
// reported success. Nothing is shown to the user either way.
bool OpenLink(const std::wstring& target);

}  // namespace ondrave::win32
