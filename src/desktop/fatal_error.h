// Ending the process when a service cannot go on.
#pragma once

#include <string_view>

namespace ondrave {

// Stops all event delivery, tells the user what went wrong in a message box
// (also on standard error), waits for it to be closed, and ends the process
// with a failure exit code. Each platform provides it.
[[noreturn]] void FatalError(std::string_view what);

// Set once FatalError has begun: from then on no event handler may run, and
// every realisation of the window checks this before raising an event.
bool EventsStopped();
void StopEvents();

// The exit code of a process ended by FatalError.
inline constexpr int kFatalExitCode = 3;

}  // namespace ondrave
